#include "ui/qt/run_view.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>
#include <random>

#include "ui/qt/main_window.h"

using namespace vemrik;

namespace {

const QString kAllOff = QStringLiteral("0 0 0 0 0 0 0 0 ");

void addRule(MainWindow& w, const QString& rule) {
    w.handle([&] { w.form().ListBox1.add(rule.toStdString()); });
}

void step(MainWindow& w) { w.findChild<QPushButton*>("BitBtn6")->click(); }

QListWidget* list(MainWindow& w) { return w.findChild<QListWidget*>("ListBox1"); }

/// The line carries the mark of the rule that acted last.
bool marked(QListWidgetItem* item) {
    return item->background().style() != Qt::NoBrush && item->background().color() == QColor(255, 236, 150);
}

}  // namespace

class RunViewTest : public QObject {
    Q_OBJECT

private slots:
    void optionsStartOffAndSpeedSetsTheRunTimersInterval() {
        MainWindow w;
        RunView view(w);
        w.show();
        QVERIFY(!view.action("actionShowTrail")->isChecked());
        QVERIFY(!view.action("actionRepeatable")->isChecked());
        QVERIFY(view.action("actionSpeed1")->isChecked());
        QCOMPARE(w.statusBar()->y(), w.centralWidget()->geometry().bottom() + 1);
        QCOMPARE(
            view.statusText(),
            QString("kroki: 0 | czas: 0,0 s | stan: zatrzymany | kierunek 0,0°, x 0,0, y 0,0 | ziarno 5489"));
        const std::pair<const char*, int> speeds[] = {
            {"actionSpeed2", 100}, {"actionSpeed4", 50}, {"actionSpeed1", 200}};
        for (const auto& [name, interval] : speeds) {
            view.action(name)->trigger();
            QCOMPARE(w.form().Timer2.interval, interval);
            QVERIFY(view.action(name)->isChecked());
            QVERIFY(!w.form().Timer2.enabled);
        }
        QVERIFY(!view.action("actionSpeed4")->isChecked());
        w.form().State.RedrawPending = 0;
        view.action("actionShowTrail")->trigger();
        QVERIFY(w.form().TrailShown);
        QCOMPARE(w.form().State.RedrawPending, 1);
        view.action("actionRepeatable")->trigger();
        QVERIFY(w.form().engine.RepeatableRuns);
        QVERIFY(view.statusText().endsWith("ziarno 5489 (powtarzalne)"));
        view.action("actionShowTrail")->trigger();
        QVERIFY(!w.form().TrailShown);
    }

    // One rule matches all sensors off: a draw r acts with it when r is even.
    void eachStepShowsItsCountersRuleMarkAndHits() {
        MainWindow w;
        RunView view(w);
        addRule(w, "1 1 1 1 1 1 1 1 5");
        addRule(w, kAllOff + "10");
        list(w)->item(0)->setSelected(true);
        std::mt19937 draws(Engine::kDefaultSeed);
        int hits = 0;
        for (int n = 1; n <= 6; ++n) {
            const bool acted = draws() % 2 == 0;
            hits += acted;
            step(w);
            const QString status = view.statusText();
            const QString counters = QString("kroki: %1 | czas: %2,%3 s | stan: zatrzymany")
                                         .arg(n)
                                         .arg(2 * n / 10)
                                         .arg(2 * n % 10);
            QVERIFY2(status.startsWith(counters), qPrintable(status));
            QVERIFY2(status.contains(acted ? "reguła 2: 0 0 0 0 0 0 0 0 10" : "prosto"), qPrintable(status));
            QCOMPARE(marked(list(w)->item(1)), acted);
            QVERIFY(!marked(list(w)->item(0)));
            QCOMPARE(list(w)->item(1)->toolTip(), QString("trafienia od startu: %1").arg(hits));
            QCOMPARE(list(w)->item(0)->toolTip(), QString("trafienia od startu: 0"));
        }
        QVERIFY(hits > 0 && hits < 6);
        // Lines and selection as they were.
        QCOMPARE(list(w)->count(), 2);
        QCOMPARE(list(w)->item(1)->text(), kAllOff + "10");
        QVERIFY(list(w)->item(0)->isSelected());
        QCOMPARE(w.form().ListBox1.itemIndex, 0);

        // A line added rebuilds the items; the mark and counts come back on the new ones.
        while (w.form().engine.Run.lastRule().line != 1) step(w);
        addRule(w, "0 1 0 0 0 0 0 0 5");
        QCOMPARE(list(w)->count(), 3);
        QVERIFY(marked(list(w)->item(1)));
        QVERIFY(list(w)->item(1)->toolTip().startsWith("trafienia od startu: "));
        QCOMPARE(list(w)->item(2)->toolTip(), QString("trafienia od startu: 0"));

        w.findChild<QPushButton*>("Button15")->click();  // "Start"
        QVERIFY(view.statusText().startsWith("kroki: 0 | czas: 0,0 s | stan: gotowy"));
        QVERIFY(!marked(list(w)->item(1)));
        QCOMPARE(list(w)->item(1)->toolTip(), QString("trafienia od startu: 0"));
    }

    void theSeedIsAskedForAndCheckedBeforeItIsTaken() {
        MainWindow w;
        RunView view(w);
        std::optional<QString> answer = QString(" 42 ");
        std::uint32_t offered = 0;
        QStringList errors;
        view.askSeed = [&](std::uint32_t current) {
            offered = current;
            return answer;
        };
        view.showError = [&](const QString& m) { errors << m; };
        QVERIFY(view.chooseSeed());
        QCOMPARE(offered, 5489u);
        QCOMPARE(w.form().engine.Seed, 42u);
        QVERIFY(view.statusText().endsWith("ziarno 42"));
        answer = QString("4294967296");
        QVERIFY(!view.chooseSeed());
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].contains("4294967295"));
        answer = std::nullopt;
        QVERIFY(!view.chooseSeed());
        QCOMPARE(errors.size(), 1);
        QCOMPARE(w.form().engine.Seed, 42u);
    }

    void theRunIsSavedAsCsvOrNothingIsWritten() {
        QTemporaryDir dir;
        MainWindow w;
        RunView view(w);
        QStringList errors;
        QString path;
        view.chooseCsvPath = [&](const QString&) { return path; };
        view.showError = [&](const QString& m) { errors << m; };
        addRule(w, kAllOff + "10");
        for (int i = 0; i < 3; ++i) step(w);
        QVERIFY(!view.saveRun());  // cancelled
        path = dir.filePath("przebieg.csv");
        QVERIFY(view.saveRun());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 5);  // header, three steps, nothing after the last break
        QCOMPARE(lines[0], QByteArray("step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop"));
        QVERIFY(lines[3].startsWith("3,"));
        QVERIFY(errors.isEmpty());
        path = dir.filePath("brak/przebieg.csv");
        QVERIFY(!view.saveRun());
        QCOMPARE(errors.size(), 1);
    }
};

QTEST_MAIN(RunViewTest)
#include "run_view_test.moc"
