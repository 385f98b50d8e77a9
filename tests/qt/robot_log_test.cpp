// "Otwórz przebieg robota…": a robot's log of the oval beside the simulation of the oval's rules,
// and "Pokaż na osi czasu", its steps on the chart of "Przebieg w czasie".
#include "simulation/timeline_chart.h"
#include "tests/qt/qt_test.h"
#include "ui/qt/program_window.h"
#include "ui/qt/robot_log_dialog.h"
#include "ui/qt/timeline_panel.h"
#include "ui/qt/timeline_widget.h"
#include "ui/qt/workspace_menu.h"

using namespace vemrik;
using namespace vemrik::qttest;
using namespace chart_rows;

namespace {

// The first plot column that holds kept step i alone.
int columnOf(const TimelineWidget* chart, std::size_t i) {
    for (int x = 0; x < chart->chart().width(); ++x)
        if (chart->chart().range(x) == std::pair{i, i + 1}) return x;
    return -1;
}

}  // namespace

class RobotLogTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    static QString cell(const QTableWidget* t, int row, int column) {
        const QTableWidgetItem* item = t->item(row, column);
        return item ? item->text() : QStringLiteral("?");
    }

private slots:
    // The dialog lists the core's report as it is, its numbers right-aligned; a log that cannot be
    // read is reported with its line and changes nothing.
    void listsTheReportAndReportsABadLog() {
        ProgramWindow program;
        QVERIFY(program.menu().openFile(VEMRIK_EXAMPLES_DIR "/oval.vemrik"));
        RobotLogDialog dialog(program.window());
        QString error;
        dialog.showError = [&error](const QString& message) { error = message; };
        QVERIFY(dialog.openLog(VEMRIK_EXAMPLES_DIR "/oval-robot.csv"));
        const TForm1& form = program.window().form();
        const RobotLogReport report =
            robotLogReport(*dialog.log(), form.engine.work(), form.engine.seed(), "oval-robot.csv");
        QCOMPARE(dialog.summary()->text(), QString::fromStdString(report.summary));
        QCOMPARE(dialog.uncovered()->text(), QString::fromStdString(report.uncovered));
        for (const auto& [t, rows] :
             {std::pair{dialog.lines(), &report.lines}, {dialog.patterns(), &report.patterns}}) {
            QCOMPARE(t->rowCount(), static_cast<int>(rows->size()));
            for (int r = 0; r < t->rowCount(); ++r)
                for (int c = 0; c < t->columnCount(); ++c) {
                    const ReportCell& want = rows->at(r).at(c);
                    QCOMPARE(cell(t, r, c), QString::fromStdString(want.text));
                    QCOMPARE(bool(t->item(r, c)->textAlignment() & Qt::AlignRight), want.number);
                }
        }
        // A language change words the same comparison again.
        program.window().findChild<QAction*>("actionEnglish")->trigger();
        const std::string english =
            robotLogReport(*dialog.log(), form.engine.work(), form.engine.seed(), "oval-robot.csv").summary;
        QVERIFY(english != report.summary);
        QCOMPARE(dialog.summary()->text(), QString::fromStdString(english));
        program.window().findChild<QAction*>("actionPolish")->trigger();
        QVERIFY(dialog.width() <= 910 && dialog.height() <= 512);

        const QString bad = dir_.filePath("bad.csv");
        QVERIFY(writeFile(bad,
                          "step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop\r\n"
                          "1,,,,0,0,0,0,0,0,0,0,1,,\r\n"));
        QVERIFY(!dialog.openLog(bad));
        QVERIFY2(error.contains(bad) && error.contains(QStringLiteral("wiersz 2:")), qPrintable(error));
        QCOMPARE(dialog.log()->steps.size(), std::size_t{8});
        QCOMPARE(dialog.summary()->text(), QString::fromStdString(report.summary));

        // A log of our own run has a heading, and the chart keeps it.
        const QString run = dir_.filePath("run.csv");
        QVERIFY(writeFile(run,
                          "step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop\n"
                          "1,90,10,10,0,0,0,0,0,0,0,0,0,,\n"));
        QVERIFY(dialog.openLog(run));
        dialog.showOnTimeline();
        TimelinePanel* panel = timelinePanelOf(program.window());
        QVERIFY(panel->showingLog() && panel->timeline().headingKnown());
    }

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
        dialog.timelineButton()->click();
        QVERIFY(panel->showingLog() && panel->dock()->isVisible());
        QVERIFY(panel->source()->isVisible() && panel->backButton()->isVisible());
        QVERIFY(panel->source()->text().contains(QStringLiteral("„oval-robot.csv” (kroków: 8)")));
        QCOMPARE(panel->timeline().size(), std::size_t{8});
        QVERIFY(!panel->timeline().headingKnown());

        // The window's run goes on beneath it, and the chart keeps the log.
        runSteps(w, 5);
        QCOMPARE(panel->timeline().size(), std::size_t{8});
        const Seen running = seen(w.form());

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

        // "Wróć do symulacji": the window's run since its "Start", all 35 steps.
        panel->backButton()->click();
        QVERIFY(!panel->showingLog() && !panel->source()->isVisible() && panel->timeline().headingKnown());
        QCOMPARE(panel->timeline().size(), std::size_t{35});
        QVERIFY(columnOf(chart, 34) >= 0);  // its last step in view
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
        QCOMPARE(w.form().engine.record().steps(), std::uint64_t{3});
    }
};

QTEST_MAIN(RobotLogTest)
#include "robot_log_test.moc"
