#include "ui/qt/run_view.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <random>

#include "ui/qt/main_window.h"

using namespace vemrik;

class RunViewTest : public QObject {
    Q_OBJECT

private slots:
    void theMenuSetsTheOptionsAndTheStatusBarShowsThem() {
        MainWindow w;
        RunView view(w);
        for (const auto& [name, interval] : {std::pair{"actionSpeed4", 50}, std::pair{"actionSpeed2", 100}}) {
            view.action(name)->trigger();
            QCOMPARE(w.form().Timer2.interval, interval);
        }
        view.action("actionShowTrail")->trigger();
        view.action("actionRepeatable")->trigger();
        QVERIFY(w.form().TrailShown && w.form().engine.RepeatableRuns);
        QCOMPARE(view.statusText(),
                 QString("kroki: 0 | czas: 0,0 s | stan: zatrzymany | kierunek 0,0°, x 0,0, y "
                         "0,0 | ziarno 5489 (powtarzalne)"));
    }

    // One rule matches all sensors off: a draw r acts with it when r is even. The list's items
    // carry the mark of the rule that acted last and each line's hits as a tooltip.
    void eachStepShowsItsCountersRuleMarkAndHitsAndStartClearsThem() {
        MainWindow w;
        RunView view(w);
        w.handle(
            [&] { w.form().ListBox1.add("1 1 1 1 1 1 1 1 5"), w.form().ListBox1.add("0 0 0 0 0 0 0 0 10"); });
        auto* list = w.findChild<QListWidget*>("ListBox1");
        const auto marked = [&](int i) { return list->item(i)->background().style() != Qt::NoBrush; };
        std::mt19937 draws(Engine::kDefaultSeed);
        int hits = 0;
        for (int n = 1; n <= 6; ++n) {
            const bool acted = draws() % 2 == 0;
            hits += acted;
            w.findChild<QPushButton*>("BitBtn6")->click();
            const QString status = view.statusText();
            const QString counters =
                QString("kroki: %1 | czas: %2,%3 s").arg(n).arg(2 * n / 10).arg(2 * n % 10);
            QVERIFY2(status.startsWith(counters), qPrintable(status));
            QVERIFY2(status.contains(acted ? "reguła 2: 0 0 0 0 0 0 0 0 10" : "prosto"), qPrintable(status));
            QCOMPARE(marked(1), acted);
            QVERIFY(!marked(0));
            QCOMPARE(list->item(1)->toolTip(), QString("trafienia od startu: %1").arg(hits));
        }
        QVERIFY(hits > 0 && hits < 6);
        w.findChild<QPushButton*>("Button15")->click();  // "Start"
        QVERIFY(view.statusText().startsWith("kroki: 0 | czas: 0,0 s | stan: gotowy"));
        QCOMPARE(list->item(1)->toolTip(), QString("trafienia od startu: 0"));
    }

    void theSeedAndTheCsvDialogsRefuseOrCancelWithoutATrace() {
        QTemporaryDir dir;
        MainWindow w;
        RunView view(w);
        std::optional<QString> answer = QString(" 42 ");
        QString path;
        QStringList errors;
        view.askSeed = [&](std::uint32_t) { return answer; };
        view.chooseCsvPath = [&](const QString&) { return path; };
        view.showError = [&](const QString& m) { errors << m; };
        QVERIFY(view.chooseSeed());
        QVERIFY(view.statusText().endsWith("ziarno 42"));
        answer = QString("4294967296");
        QVERIFY(!view.chooseSeed());
        answer = std::nullopt;
        QVERIFY(!view.chooseSeed());
        QCOMPARE(w.form().engine.Seed, 42u);
        w.findChild<QPushButton*>("BitBtn6")->click();
        QVERIFY(!view.saveRun());  // cancelled
        QCOMPARE(errors.size(), 1);
        path = dir.filePath("przebieg.csv");
        QVERIFY(view.saveRun());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count('\n'), 2);  // the header and the step
        path = dir.filePath("brak/przebieg.csv");
        QVERIFY(!view.saveRun());
        QCOMPARE(errors.size(), 2);
    }
};

QTEST_MAIN(RunViewTest)
#include "run_view_test.moc"
