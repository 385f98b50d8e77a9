#include "ui/qt/timeline_panel.h"

#include "scenes/scenes.h"
#include "tests/qt/qt_test.h"
#include "ui/qt/step_back.h"
#include "ui/qt/timeline_widget.h"
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

}  // namespace

class TimelinePanelTest : public QObject {
    Q_OBJECT

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
        // Four columns a step, then the whole run: over two steps a column.
        for (const double zoom : {1.0, 30.0}) {
            chart->zoom(zoom, 0);
            const int column = chart->chart().width() / 3;
            const auto [a, b] = chart->chart().range(column);
            QVERIFY(a < b && (zoom == 1.0 ? b - a == 1 : b - a > 1));
            QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(TimelineWidget::kLabelWidth + column, 40));
            const Seen clicked = seen(w.form());
            QCOMPARE(clicked.shown, std::uint64_t{b});
            QCOMPARE(chart->chart().pixel(column, 0), kChartCursor);
            QCOMPARE(panel->timeline().size(), std::size_t{2000});  // the later steps stay
            controls.slider()->setValue(0);
            controls.slider()->setValue(static_cast<int>(b));
            QVERIFY(seen(w.form()) == clicked);
            QVERIFY(chart->tooltipAt(column).startsWith(zoom == 1.0
                                                            ? QString("krok %1\nwzorzec: ").arg(b)
                                                            : QString("kroki %1–%2").arg(a + 1).arg(b)));
        }
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
};

QTEST_MAIN(TimelinePanelTest)
#include "timeline_panel_test.moc"
