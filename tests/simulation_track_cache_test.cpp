// The simulation page keeps its painted track between redraws. Every redraw of the form is held
// against a redraw from scratch of the same state, pixel by pixel and field by field, through a
// run and the edits, foreign drawing and odd poses that could leave a kept picture stale.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>

#include "map/map_editor.h"
#include "scenes/scenes.h"
#include "simulation/simulation_view.h"
#include "tests/engine_edits.h"
#include "ui/form.h"
#include "ui/workspace_form.h"

using namespace vemrik;

namespace {

/// Redraws the page and the same state from scratch; whether both came out the same, pixels,
/// pen and brush, and what the sensors read.
bool redrawIsFresh(TForm1& form) {
    Engine fresh;
    fresh.load(form.engine.work());
    fresh.restore(form.engine.snapshot());
    Raster image(701, 401);
    paintTrack(fresh.state(), image);
    fresh.placeAndSense(image);
    paintSimulationView(fresh, image);
    form.BitBtn5Click();
    const Raster& shown = form.Image5.canvas;
    return std::memcmp(shown.data(), image.data(), 4u * 701 * 401) == 0 &&
           form.State.SensorStates == fresh.state().SensorStates &&
           shown.brushColour() == image.brushColour() && shown.penColour() == image.penColour() &&
           shown.penWidth() == image.penWidth();
}

}  // namespace

TEST(CachedRedraw, EveryRedrawIsAsFromScratch) {
    TForm1 form;
    applyWorkspace(form, typicalScene());
    form.TabbedNotebook1Change(kSimulationPage);
    const auto run = [&](int steps, const std::string& after) {
        for (int i = 0; i < steps; ++i) {
            form.BitBtn6Click();
            ASSERT_TRUE(redrawIsFresh(form)) << "step " << i << " after " << after;
        }
    };
    ASSERT_TRUE(redrawIsFresh(form));  // held: placed on the start cell
    form.Button15Click();
    run(40, "start");
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"back at 37 degrees, where the robot's box is widest",
         [&] { form.TrackBar2.position = 37, form.TrackBar2Change(), form.Button16Click(); }},
        {"start", [&] { form.Button15Click(); }},
        {"stop cell", [&] { setTrack(form.engine, [](ProgramState& s) { s.MapGrid.at(35, 33) = kStop; }); }},
        {"a slanted stroke over a cell",
         [&] {
             setTrack(form.engine, [](ProgramState& s) {
                 s.MapGrid.at(35, 1) = kLine;
                 appendStroke(s.StrokeList, 300, 12, 400, 18);
             });
         }},
        // The stroke starts left of the cell and must show again where the cell was.
        {"the cell erased",
         [&] { setTrack(form.engine, [](ProgramState& s) { s.MapGrid.at(35, 1) = kMapEmpty; }); }},
        // As "Cofnij" and the stroke drawn again from one pixel further right leave the list.
        {"the last stroke's start moved right",
         [&] {
             setTrack(form.engine, [](ProgramState& s) { ++s.StrokeList.at(s.StrokeList.columns() - 1, 0); });
         }},
        {"and down",
         [&] {
             setTrack(form.engine, [](ProgramState& s) { ++s.StrokeList.at(s.StrokeList.columns() - 1, 1); });
         }},
        {"strokes removed", [&] { form.Button11Click(); }},
        {"drawn from outside, far from the robot", [&] { form.Image5.canvas.setPixel(5, 5, kRed); }},
        {"new image", [&] { form.Image5.canvas = Raster(701, 401); }},
    };
    for (const auto& [what, edit] : edits) {
        edit();
        ASSERT_TRUE(redrawIsFresh(form)) << what;
        run(2, what);
    }
    for (const float x : {695.0f, -60.0f, 3.0e9f, 350.0f, std::numeric_limits<float>::quiet_NaN(), 350.0f}) {
        setRun(form.engine, [x](RunMoment& m) { m.x = x; });
        ASSERT_TRUE(redrawIsFresh(form)) << "x " << x;
    }
    // Cells on the board's very edges draw right up to the box the page puts back; a double
    // sensor in the last drawn column outlines the column beyond.
    setRobot(form.engine, [](ProgramState& s) {
        Grid& robot = s.RobotGrid;
        for (int i = 0; i < 20; ++i)
            robot.at(i, 0) = robot.at(19, i) = kBody, robot.at(0, i) = robot.at(i, 19) = kWheel;
        robot.at(19, 5) = robot.at(20, 5) = kDoubleHalf;
        robot.at(19, 19) = kSensor;
    });
    form.Button15Click();
    setRun(form.engine, [](RunMoment& m) { m.y = 200.0f; });  // the whole board on the map
    for (const int heading : {0, 90, 45, 10, 180, 271}) {
        setRun(form.engine, [heading](RunMoment& m) { m.heading = float(heading); });
        run(2, "heading " + std::to_string(heading));
    }
}
