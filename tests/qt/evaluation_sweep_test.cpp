// The noise of the evaluation dialog and its sweep.
#include <QtTest>
#include <QtWidgets>

#include "tests/evaluation_tracks.h"
#include "ui/qt/evaluation_dialog.h"
#include "ui/qt/sweep_chart.h"

using namespace vemrik;

class EvaluationSweepTest : public QObject {
    Q_OBJECT

private slots:
    // The stop does not flip and the straight track has no rules: every level reaches it.
    void aSweepRunsInTheBackgroundAndPlotsEveryLevel() {
        EvaluationDialog d([] { return evaltest::straightTrack(); });
        d.show();
        QCOMPARE(d.noise().any(), false);
        d.runsBox()->setValue(20);
        QTest::mouseClick(d.sweepButton(), Qt::LeftButton);
        QVERIFY(!d.running() &&
                d.summaryLabel()->text().startsWith("Badanie odporności potrzebuje zakłóceń"));
        d.flipBox()->setValue(1.0);
        d.turnBox()->setValue(0.5);
        QTest::mouseClick(d.sweepButton(), Qt::LeftButton);
        QVERIFY(d.running() && !d.flipBox()->isEnabled() && !d.sweepButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!d.running(), 20000);
        QCOMPARE(d.progressBar()->value(), 100);
        const std::vector<SweepChartView::Point>& points = d.sweepChart()->points();
        QCOMPARE(points.size(), 5u);
        QCOMPARE(std::tuple(points[1].level, points[1].success.value), std::tuple(0.25, 1.0));
        const QString text = d.summaryLabel()->text();
        QVERIFY2(text.contains("poziom 0,75: dojazd 100,0 % (83,9 % – 100,0 %)"), qPrintable(text));
        // A point sits on its level and share.
        QCOMPARE(d.sweepChart()->at(1.0, 0.0).x() - d.sweepChart()->at(0.0, 0.0).x(),
                 4 * (d.sweepChart()->at(0.25, 0.0).x() - d.sweepChart()->at(0.0, 0.0).x()));
    }

    void aSweepIsCancelledWithinTheLevelItIsIn() {
        Workspace ws = evaltest::straightTrack();
        for (int x = 9; x <= 12; ++x) ws.map.at(x, 5) = kMapEmpty;
        ws.rules = {"0 0 0 0 0 0 0 0 10"};  // turns on the map for ever
        EvaluationDialog d([&] { return ws; });
        d.runsBox()->setValue(1000000), d.maxStepsBox()->setValue(20000), d.flipBox()->setValue(0.1);
        d.startSweep();
        QTRY_VERIFY_WITH_TIMEOUT(d.progressBar()->value() >= 2, 20000);
        QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!d.running(), 5000);
        QVERIFY2(d.summaryLabel()->text().startsWith("Przerwano: ukończono 0 z 5 poziomów."),
                 qPrintable(d.summaryLabel()->text()));
        QVERIFY(d.sweepChart()->points().size() == 1 && d.sweepButton()->isEnabled());
    }

    // The window drives without noise, so it cannot show a noisy run.
    void aRunWithNoiseIsNotShownInTheWindow() {
        Workspace ws = evaltest::straightTrack();
        for (int x = 9; x <= 12; ++x) ws.map.at(x, 5) = kMapEmpty;
        ws.rules = {"0 0 0 0 0 0 0 0 10"};
        EvaluationDialog d([&] { return ws; });
        bool shown = false;
        d.showRun = [&](const Workspace&, std::uint32_t, int) {
            shown = true;
            return QString();
        };
        d.runsBox()->setValue(2), d.maxStepsBox()->setValue(50), d.shiftBox()->setValue(3.0);
        d.start();
        QTRY_VERIFY_WITH_TIMEOUT(!d.running(), 20000);
        QVERIFY(d.summaryLabel()->text().startsWith("Zakłócenia: odwrócenie 0,000, przesunięcie 3,0 px"));
        d.failedRuns()->setCurrentRow(0);
        QVERIFY(!d.showSelectedRun() && !shown);
        QVERIFY(d.summaryLabel()->text().startsWith("Okno jeździ bez zakłóceń"));
    }
};

QTEST_MAIN(EvaluationSweepTest)
#include "evaluation_sweep_test.moc"
