// "Pokaż na osi czasu": the oval robot's log on the chart of "Przebieg w czasie", and back.
#include "simulation/timeline_chart.h"
#include "tests/qt/qt_test.h"
#include "ui/qt/program_window.h"
#include "ui/qt/robot_log_dialog.h"
#include "ui/qt/timeline_panel.h"
#include "ui/qt/timeline_widget.h"
#include "ui/qt/workspace_menu.h"
#include "ui/workspace_form.h"

using namespace vemrik;
using namespace chart_rows;
using namespace vemrik::qttest;

namespace {

// The first plot column that holds kept step i alone.
int columnOf(const TimelineWidget* chart, std::size_t i) {
    for (int x = 0; x < chart->chart().width(); ++x)
        if (chart->chart().range(x) == std::pair{i, i + 1}) return x;
    return -1;
}

}  // namespace

class RobotLogTimelineTest : public QObject {
    Q_OBJECT

private slots:
    void theOvalsLogOpensOnTheTimeLineAndGoesBack() {
        ProgramWindow program;
        MainWindow& w = program.window();
        program.show();
        QVERIFY(program.menu().openFile(VEMRIK_EXAMPLES_DIR "/oval.vemrik"));
        TimelinePanel* panel = timelinePanelOf(w);
        panel->action()->trigger();
        w.handle([&] { w.form().StartFromStartCell(); });
        w.handle([&] { w.form().BitBtn7Click(); });
        runSteps(w, 30);
        QCOMPARE(panel->timeline().size(), std::size_t{30});

        RobotLogDialog dialog(w);
        QVERIFY(dialog.openLog(VEMRIK_EXAMPLES_DIR "/oval-robot.csv"));
        QVERIFY(dialog.timelineButton()->isEnabled());
        QCOMPARE(dialog.timelineButton()->text(), QStringLiteral("Pokaż na osi czasu"));
        const Seen before = seen(w.form());
        dialog.timelineButton()->click();
        QVERIFY(panel->showingLog() && panel->dock()->isVisible());
        QVERIFY(panel->source()->isVisible() && panel->backButton()->isVisible());
        QVERIFY(panel->source()->text().contains(
            QStringLiteral("przebieg robota z pliku „oval-robot.csv” (kroków: 8), nie przebieg w oknie")));
        QCOMPARE(panel->timeline().size(), std::size_t{8});
        QVERIFY(!panel->timeline().headingKnown());

        // The window's run goes on beneath it, and the chart keeps the log.
        runSteps(w, 5);
        QCOMPARE(panel->timeline().size(), std::size_t{8});
        const Seen running = seen(w.form());
        QCOMPARE(running.steps, before.steps + 5);

        // The chart paints the log's steps (how, the chart's own tests hold): each acting line in
        // its colour, step 1 line 4, step 4 line 6, step 8 line 8.
        TimelineWidget* chart = panel->chart();
        const TimelineChart& c = chart->chart();
        for (const auto& [step, colour] :
             {std::pair<std::size_t, std::uint32_t>{0, 0xFFFB8C00u}, {3, 0xFF00ACC1u}, {7, 0xFFD81B60u}})
            QCOMPARE(c.pixel(columnOf(chart, step), kRuleTop), colour);
        QCOMPARE(c.pixel(columnOf(chart, 1), kMarkTop + 2 * kMarkHeight), kChartMarks[2]);  // no rule

        // A click tells about the step and moves nothing in the window.
        const int x4 = columnOf(chart, 3);
        QCOMPARE(chart->tooltipAt(x4),
                 QStringLiteral(
                     "krok 4\nwzorzec: 0 0 1 1 0 0 0 0\nreguła 6: 0 0 1 1 0 0 0 0 10\nkierunek: nieznany"));
        QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(TimelineWidget::kLabelWidth + x4, 40));
        QVERIFY(seen(w.form()) == running && panel->showingLog());
        QCOMPARE(QToolTip::text(), chart->tooltipAt(x4));

        // "Wróć do symulacji": the window's run since its "Start", all 35 steps.
        panel->backButton()->click();
        QVERIFY(!panel->showingLog() && !panel->source()->isVisible() && panel->timeline().headingKnown());
        QCOMPARE(panel->timeline().size(), std::size_t{35});
        // As a new chart: four columns a step, its last step in view.
        QVERIFY(chart->following());
        QCOMPARE(chart->view().stepsPerColumn, 0.25);
        QVERIFY(columnOf(chart, 34) >= 0);
        runSteps(w, 2);
        QCOMPARE(panel->timeline().size(), std::size_t{37});

        // Shown again, then "Start": a new run of the window's, which the chart follows.
        dialog.timelineButton()->click();
        QVERIFY(panel->showingLog());
        w.findChild<QPushButton*>("Button15")->click();
        QVERIFY(!panel->showingLog());
        w.handle([&] { w.form().BitBtn7Click(); });
        runSteps(w, 3);
        QCOMPARE(panel->timeline().size(), std::size_t{3});
        QCOMPARE(w.form().engine.record.steps(), std::uint64_t{3});
    }

    // A log of our own run has a heading; the chart draws it as the chart's own tests show.
    void aRunCsvWithHeadingsKeepsThem() {
        QTemporaryDir dir;
        const QString path = dir.filePath("run.csv");
        QVERIFY(qttest::writeFile(path,
                                  "step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop\n"
                                  "1,90,10,10,0,0,0,0,0,0,0,0,0,,\n"));
        ProgramWindow program;
        RobotLogDialog dialog(program.window());
        QVERIFY(dialog.openLog(path));
        dialog.showOnTimeline();
        TimelinePanel* panel = timelinePanelOf(program.window());
        QVERIFY(panel->showingLog() && panel->timeline().headingKnown());
    }
};

QTEST_MAIN(RobotLogTimelineTest)
#include "robot_log_timeline_test.moc"
