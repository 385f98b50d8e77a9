// "Przebieg w czasie": the chart of the window's run, its clicks and its saving; and a robot's log
// ("Otwórz przebieg robota…") of the oval beside the simulation of the oval's rules, shown with
// "Pokaż na osi czasu" on the chart.
#include "ui/qt/timeline_panel.h"

#include "scenes/scenes.h"
#include "tests/qt/qt_test.h"
#include "ui/qt/program_window.h"
#include "ui/qt/robot_log_dialog.h"
#include "ui/qt/step_back.h"
#include "ui/qt/timeline_widget.h"
#include "ui/qt/workspace_menu.h"
#include "ui/workspace_form.h"

using namespace vemrik;
using namespace vemrik::qttest;

namespace {

// The typical scene from "Start", `steps` steps of the run timer, each followed by a redraw.
void run(MainWindow& w, int steps) {
    TForm1& f = w.form();
    w.handle([&] { applyWorkspace(f, typicalScene()), f.Timer1Timer(), f.Button15Click(), f.Timer1Timer(); });
    w.handle([&] { f.BitBtn7Click(); });
    runSteps(w, steps);
}

// The first plot column that holds kept step i alone.
int columnOf(const TimelineWidget* chart, std::size_t i) {
    for (int x = 0; x < chart->chart().width(); ++x)
        if (chart->chart().range(x) == std::pair{i, i + 1}) return x;
    return -1;
}

}  // namespace

class TimelinePanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    static QString cell(const QTableWidget* t, int row, int column) {
        const QTableWidgetItem* item = t->item(row, column);
        return item ? item->text() : QStringLiteral("?");
    }

private slots:
    // A click at a column shows its last step: the same pose and states as the slider gives,
    // and the chart marks it; zoomed in and zoomed out.
    void aClickShowsTheColumnsStepAsTheSliderDoes() {
        MainWindow w;
        StepBackControls controls(w);
        TimelinePanel* panel = addTimelinePanel(w);
        w.show();
        panel->action()->trigger();
        run(w, 2000);
        TimelineWidget* chart = panel->chart();
        QCOMPARE(panel->timeline().size(), std::size_t{2000});
        QVERIFY(chart->following());
        // The whole run at first; zoomed in below a step a column, then out to the whole run again.
        QVERIFY(chart->fitting() && chart->chart().range(0).first == 0 &&
                chart->chart().range(chart->chart().width() - 1).second == 2000);
        for (const double zoom : {0.25, 30.0}) {
            chart->zoom(zoom, 0);
            QVERIFY(!chart->fitting());
            const int column = chart->chart().width() / 3;
            const auto [a, b] = chart->chart().range(column);
            QVERIFY(a < b && (zoom < 1.0 ? b - a == 1 : b - a > 1));
            QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(chart->labelWidth() + column, 40));
            const Seen clicked = seen(w.form());
            QCOMPARE(clicked.shown, std::uint64_t{b});
            QCOMPARE(chart->chart().pixel(column, 0), kChartCursor);
            QCOMPARE(panel->timeline().size(), std::size_t{2000});  // the later steps stay
            controls.slider()->setValue(0);
            controls.slider()->setValue(static_cast<int>(b));
            QVERIFY(seen(w.form()) == clicked);
            QVERIFY(chart->tooltipAt(column).startsWith(zoom < 1.0
                                                            ? QString("krok %1\nwzorzec: ").arg(b)
                                                            : QString("kroki %1–%2").arg(a + 1).arg(b)));
        }
        // The labels in the window's font, which grows with the zoom, the rows as tall as a line of
        // it; the heading within 0 … 360° unless the turn is to be counted on.
        QCOMPARE(QFontInfo(chart->font()).pixelSize(), 11);
        QVERIFY(chart->chartSize().height() >= chart_rows::kHeight * 11 / 9);
        QVERIFY(chart->chart().headingWrapped());
        w.findChild<QCheckBox*>("timelineTurns")->click();
        QVERIFY(!chart->chart().headingWrapped());
        w.setZoom(kZooms[2]);
        QCOMPARE(QFontInfo(chart->font()).pixelSize(), 22);
        QVERIFY(chart->chartSize().height() >= chart_rows::kHeight * 22 / 9);
        w.setZoom(kZooms[0]);
        // Going on from the step shown forgets the later ones.
        runSteps(w, 1);
        QCOMPARE(panel->timeline().size(), std::size_t{w.form().engine.record().steps()});
    }

    // Hidden, the panel takes no step; shown or hidden, the run is the same. The chart it shows
    // is saved.
    void hiddenItDoesNothingTheRunIsTheSameAndTheShownChartIsSaved() {
        MainWindow shownWindow, hiddenWindow;
        TimelinePanel* shown = addTimelinePanel(shownWindow);
        TimelinePanel* hidden = addTimelinePanel(hiddenWindow);
        shownWindow.show();
        hiddenWindow.show();
        shown->action()->trigger();
        run(shownWindow, 300);
        run(hiddenWindow, 300);
        QVERIFY(seen(shownWindow.form()) == seen(hiddenWindow.form()));
        QCOMPARE(shown->timeline().size(), std::size_t{300});
        QCOMPARE(hidden->timeline().size(), std::size_t{0});

        // The chart saved as PNG and SVG, or why not.
        QTemporaryDir dir;
        QString path, filter = "Obraz PNG (*.png)";
        QStringList errors;
        shown->chooseChartFile = [&](const QString&) { return chartFileFor(path, filter); };
        shown->showError = [&](const QString& m) { errors << m; };
        QVERIFY(!shown->saveChart());  // cancelled
        path = dir.filePath("wykres.png");
        QVERIFY(shown->saveChart());
        QCOMPARE(QImage(path).size(), shown->chart()->chartSize());
        path = dir.filePath("wykres");
        filter = "Rysunek SVG (*.svg)";
        QVERIFY(shown->saveChart());
        const QString svg = readFile(path + ".svg");
        QVERIFY(svg.contains("<svg") && svg.contains("#3a7d44"));  // a sensor on, as a shape
        path = dir.filePath("brak/wykres.svg");
        QVERIFY(!shown->saveChart() && errors.size() == 1 && !QFile::exists(path));
    }

    // The type chosen in the save dialog gives a bare name its suffix, and its format to a name
    // with a suffix neither PNG's nor SVG's; a typed .png or .svg is what it says.
    void theChosenTypeDecidesTheSuffixAndTheFormat() {
        const QString png = "Obraz PNG (*.png)", svg = "SVG drawing (*.svg)";
        const struct {
            QString typed, filter, path;
            bool svg;
        } cases[] = {
            {"/t/wykres", svg, "/t/wykres.svg", true},         {"/t/wykres", png, "/t/wykres.png", false},
            {"/t/a.b/wykres", svg, "/t/a.b/wykres.svg", true}, {"/t/wykres.SVG", png, "/t/wykres.SVG", true},
            {"/t/wykres.png", svg, "/t/wykres.png", false},    {"/t/wykres.v2", svg, "/t/wykres.v2", true},
            {"/t/wykres.v2", png, "/t/wykres.v2", false},      {"", svg, "", false},  // cancelled
        };
        for (const auto& c : cases) {
            const ChartFile file = chartFileFor(c.typed, c.filter);
            QVERIFY2(file.path == c.path && file.svg == c.svg, qPrintable(c.typed + " " + c.filter));
        }
    }

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
        // The sentence of what differed most comes first; the oval's robot has four sensors.
        const QWidget* content = dialog.findChild<QScrollArea*>("robotLogScroll")->widget();
        QCOMPARE(content->layout()->itemAt(0)->widget(), dialog.headline());
        QCOMPARE(dialog.headline()->text(), QString::fromStdString(report.headline));
        QCOMPARE(dialog.patterns()->horizontalHeaderItem(0)->text(), QStringLiteral("Wzorzec s1…s4"));
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

        // A click tells about the log's step, with the log's own rule text, and moves nothing in
        // the window.
        TimelineWidget* chart = panel->chart();
        const int x4 = columnOf(chart, 3);
        QCOMPARE(chart->tooltipAt(x4),
                 QStringLiteral(
                     "krok 4\nwzorzec: 0 0 1 1 0 0 0 0\nreguła 6: 0 0 1 1 0 0 0 0 10\nkierunek: nieznany"));
        QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(chart->labelWidth() + x4, 40));
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

QTEST_MAIN(TimelinePanelTest)
#include "timeline_panel_test.moc"
