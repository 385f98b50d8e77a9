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

    static int columnSum(const QTableWidget* t, int column) {
        int sum = 0;
        for (int r = 0; r < t->rowCount(); ++r) sum += cell(t, r, column).toInt();
        return sum;
    }

private slots:
    void robotLogOfTheOvalShowsTheCountsWorkedOutByHand() {
        ProgramWindow program;
        QVERIFY(program.menu().openFile(VEMRIK_EXAMPLES_DIR "/oval.vemrik"));
        RobotLogDialog dialog(program.window());
        QVERIFY(dialog.openLog(VEMRIK_EXAMPLES_DIR "/oval-robot.csv"));

        QTableWidget* lines = dialog.lines();
        QCOMPARE(lines->rowCount(), 9);  // the oval's 8 lines and "none"
        const char* robot[] = {"0", "0", "0", "2", "1", "1", "0", "1", "3"};
        for (int r = 0; r < 9; ++r) QCOMPARE(cell(lines, r, 2), QString::fromLatin1(robot[r]));
        QCOMPARE(cell(lines, 3, 1), QStringLiteral("0 1 1 0 0 0 0 0 0"));
        QCOMPARE(cell(lines, 8, 1), QStringLiteral("żadna: prosto"));
        // The simulation made as many steps as the robot, each counted once.
        QCOMPARE(columnSum(lines, 3), 8);
        QVERIFY(dialog.summary()->text().contains(
            QStringLiteral("Przebieg robota „oval-robot.csv”, kroków: 8.")));
        QVERIFY(dialog.summary()->text().contains(QStringLiteral("ziarno 5489, kroków: 8")));

        QCOMPARE(dialog.uncovered()->text(),
                 QStringLiteral("1 0 0 1 0 0 0 0   kroków: 1\n0 1 1 1 0 0 0 0   kroków: 1"));

        QTableWidget* patterns = dialog.patterns();
        QCOMPARE(cell(patterns, 0, 0), QStringLiteral("0 1 1 0 0 0 0 0"));
        QCOMPARE(cell(patterns, 0, 1), QStringLiteral("37,5 % (3)"));
        int robotRows = 0;
        for (int r = 0; r < patterns->rowCount(); ++r)
            if (cell(patterns, r, 1) != QStringLiteral("0,0 % (0)")) {
                ++robotRows;
                if (r > 0) QCOMPARE(cell(patterns, r, 1), QStringLiteral("12,5 % (1)"));
            }
        QCOMPARE(robotRows, 6);

        QVERIFY(dialog.width() <= 910 && dialog.height() <= 512);
        QVERIFY(std::ranges::any_of(dialog.findChildren<QPushButton*>(),
                                    [](auto* b) { return b->text() == "Zamknij"; }));
    }

    void aBadLogIsReportedWithItsLineAndChangesNothing() {
        ProgramWindow program;
        QVERIFY(program.menu().openFile(VEMRIK_EXAMPLES_DIR "/oval.vemrik"));
        RobotLogDialog dialog(program.window());
        QString error;
        dialog.showError = [&error](const QString& message) { error = message; };
        QVERIFY(dialog.openLog(VEMRIK_EXAMPLES_DIR "/oval-robot.csv"));
        const QString before = dialog.summary()->text();

        const QString bad = dir_.filePath("bad.csv");
        QVERIFY(writeFile(bad,
                          "step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop\r\n"
                          "1,,,,0,0,0,0,0,0,0,0,0,,\r\n"
                          "2,,,,0,0,0,0,0,0,0,0,1,,\r\n"));
        QVERIFY(!dialog.openLog(bad));
        QCOMPARE(
            error,
            QStringLiteral(
                "Nie można otworzyć przebiegu „%1”:\nwiersz 3: rule_index jest 1, a rule_text jest pusty")
                .arg(bad));
        QCOMPARE(dialog.log()->steps.size(), std::size_t{8});
        QCOMPARE(dialog.summary()->text(), before);
        QCOMPARE(cell(dialog.lines(), 3, 2), QStringLiteral("2"));

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

    void withoutAStartCellOnlyTheRobotIsCounted() {
        ProgramWindow program;  // a fresh workspace: no rules, no start cell
        RobotLogDialog dialog(program.window());
        QVERIFY(dialog.openLog(VEMRIK_EXAMPLES_DIR "/oval-robot.csv"));
        QVERIFY(dialog.summary()->text().contains(QStringLiteral("Nie można zasymulować tych reguł: ")));
        // Every line the robot names is beyond the empty list, a row each, and every pattern is
        // uncovered.
        QCOMPARE(dialog.lines()->rowCount(), 5);
        QCOMPARE(cell(dialog.lines(), 3, 0), QStringLiteral("8"));
        QCOMPARE(cell(dialog.lines(), 3, 1),
                 QStringLiteral("(nie ma jej w otwartych regułach) — u robota: „0 0 0 0 0 0 0 0 10”"));
        QCOMPARE(cell(dialog.lines(), 3, 3), QStringLiteral("—"));
        QCOMPARE(dialog.uncovered()->text().count('\n'), 5);
        QCOMPARE(cell(dialog.patterns(), 0, 2), QStringLiteral("—"));
    }

    // A line far past the oval's eight is named where the robot named it, not reached row by row;
    // a log naming many lines shows the first ones and counts the rest.
    void linesPastTheRulesAreNamedAndListsAreCapped() {
        ProgramWindow program;
        QVERIFY(program.menu().openFile(VEMRIK_EXAMPLES_DIR "/oval.vemrik"));
        RobotLogDialog dialog(program.window());
        const QString header =
            QStringLiteral("step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop\n");
        const auto row = [](int step, int line) {
            return QStringLiteral("%1,,,,0,0,0,0,0,0,0,0,%2,0 0 0 0 0 0 0 0 10,\n").arg(step).arg(line);
        };
        const QString far = dir_.filePath("far.csv");
        QVERIFY(writeFile(far, (header + row(1, 2147483647)).toUtf8()));
        QVERIFY(dialog.openLog(far));
        QCOMPARE(dialog.lines()->rowCount(), 10);
        QCOMPARE(cell(dialog.lines(), 8, 0) + ' ' + cell(dialog.lines(), 8, 2),
                 QStringLiteral("2147483647 1"));
        QVERIFY(dialog.summary()->text().endsWith(
            QStringLiteral("\nUwaga: robot działał w liniach 2147483647, których nie ma w otwartych regułach "
                           "(mają linii: 8).")));

        // Row i names line i with the text of line 8: lines 1 to 7 differ, 9 to 150 are past the rules.
        QString text = header;
        for (int i = 1; i <= 150; ++i) text += row(i, i);
        const QString many = dir_.filePath("many.csv");
        QVERIFY(writeFile(many, text.toUtf8()));
        QVERIFY(dialog.openLog(many));
        QTableWidget* lines = dialog.lines();
        QCOMPARE(lines->rowCount(), 102);  // 100 lines, the rest, none
        QCOMPARE(cell(lines, 99, 0), QStringLiteral("100"));
        QCOMPARE(cell(lines, 100, 1) + ' ' + cell(lines, 100, 2) + ' ' + cell(lines, 100, 3),
                 QStringLiteral("i 50 więcej 50 0"));
        QVERIFY(dialog.summary()->text().endsWith(QStringLiteral(
            "\nUwaga: robot działał w liniach 1, 2, 3, 4, 5, 6, 7 według innych reguł niż otwarte."
            "\nUwaga: robot działał w liniach 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, "
            "25, 26, 27, 28 i 122 więcej, których nie ma w otwartych regułach (mają linii: 8).")));
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
        QCOMPARE(w.form().engine.record().steps(), std::uint64_t{3});
    }
};

QTEST_MAIN(RobotLogTest)
#include "robot_log_test.moc"
