#include "ui/qt/evaluation_dialog.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "scenes/scenes.h"
#include "tests/evaluation_tracks.h"
#include "ui/qt/main_window.h"
#include "ui/workspace_form.h"

using namespace vemrik;

namespace {

/// The typical scene with its stop cell drawn over: every run goes on to the step limit.
Workspace loopingScene() {
    TForm1 f;
    applyWorkspace(f, typicalScene());
    f.State.MapGrid.at(10, 20) = kLine;
    return captureWorkspace(f);
}

}  // namespace

class EvaluationDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theSymulacjaMenuOpensOneDialogOnTheWindowsWorkspace() {
        MainWindow w;
        addEvaluationAction(w);
        QAction* action = w.simulationMenu()->findChild<QAction*>("actionEvaluate");
        QVERIFY(action);
        QCOMPARE(action->text(), QStringLiteral("Oceń algorytm…"));
        w.handle([&] { applyWorkspace(w.form(), evaltest::straightTrack()); });
        action->trigger();
        action->trigger();
        const auto dialogs = w.findChildren<EvaluationDialog*>();
        QCOMPARE(dialogs.size(), 1);
        EvaluationDialog* d = dialogs.front();
        QVERIFY(d->isVisible());
        QCOMPARE(d->runsBox()->value(), 200);
        QCOMPARE(d->maxStepsBox()->value(), 5000);
        QCOMPARE(d->seedBox()->value(), 5489);
        QVERIFY(!d->cancelButton()->isEnabled());

        QTest::mouseClick(d->startButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!d->running(), 20000);
        QCOMPARE(d->progressBar()->maximum(), 200);
        QCOMPARE(d->progressBar()->value(), 200);
        const QString text = d->summaryLabel()->text();
        QVERIFY2(text.contains(QStringLiteral("Przebiegi: 200\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Dojazd do stopu: 200 (100,0 %)")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("mediana 84, 90. percentyl 84")), qPrintable(text));
        QCOMPARE(d->histogramView()->histogram().first, 84);
        QCOMPARE(d->histogramView()->histogram().counts, std::vector<int>{200});
        QVERIFY(d->startButton()->isEnabled());
        QVERIFY(!d->cancelButton()->isEnabled());
    }

    void progressShowsAndCancelReportsWhatFinished() {
        const Workspace ws = loopingScene();
        EvaluationDialog d([&] { return ws; });
        d.show();
        d.runsBox()->setValue(1000000);
        d.maxStepsBox()->setValue(20000);
        d.start();
        QVERIFY(d.running());
        QVERIFY(!d.startButton()->isEnabled());
        QVERIFY(!d.runsBox()->isEnabled());
        QVERIFY(d.cancelButton()->isEnabled());
        QCOMPARE(d.progressBar()->maximum(), 1000000);
        QTRY_VERIFY_WITH_TIMEOUT(d.progressBar()->value() >= 2, 20000);
        QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!d.running(), 5000);
        const int finished = d.progressBar()->value();
        QVERIFY(finished >= 2 && finished < 1000000);
        const QString text = d.summaryLabel()->text();
        QVERIFY2(
            text.startsWith(QStringLiteral("Przerwano: ukończono %1 z 1000000 przebiegów").arg(finished)),
            qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Limit kroków: %1 (100,0 %)").arg(finished)), qPrintable(text));
        QVERIFY(d.histogramView()->histogram().counts.empty());
        QVERIFY(d.startButton()->isEnabled());
    }

    void closingWhileRunningStopsTheWorker() {
        const Workspace ws = loopingScene();
        auto* d = new EvaluationDialog([&] { return ws; });
        d->maxStepsBox()->setValue(100000000);
        d->show();
        d->start();
        QVERIFY(d->running());
        d->reject();
        QVERIFY(!d->running());
        QVERIFY(!d->isVisible());
        delete d;
    }

    void theHighestCountHasRoomForAllItsDigits() {
        StepHistogramView view;
        view.setHistogram({84, 1, {50844, 3}});
        QVERIFY(view.topCountRect().width() >= view.fontMetrics().horizontalAdvance(QStringLiteral("50844")));
    }

    void aWorkspaceThatCannotRunIsReportedAndNothingStarts() {
        Workspace ws = evaltest::straightTrack();
        ws.map.at(10, 35) = kMapEmpty;
        EvaluationDialog d([&] { return ws; });
        d.start();
        QVERIFY(!d.running());
        QCOMPARE(d.summaryLabel()->text(), QStringLiteral("Nie można ocenić: na mapie nie ma pola startu."));
        QVERIFY(d.startButton()->isEnabled());
    }
};

QTEST_MAIN(EvaluationDialogTest)
#include "evaluation_dialog_test.moc"
