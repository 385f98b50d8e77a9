// The simulation page keeps its painted track between redraws. Every redraw of the form is held
// against a redraw from scratch of the same state, pixel by pixel and field by field, through a
// run and the edits, foreign drawing and odd poses that could leave a kept picture stale.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

#include "map/map_editor.h"
#include "scenes/scenes.h"
#include "simulation/simulation_view.h"
#include "ui/form.h"
#include "ui/workspace_form.h"

using namespace vemrik;

namespace {

bool same(float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); }

class CachedRedraw : public ::testing::Test {
protected:
    void SetUp() override {
        applyWorkspace(form, typicalScene());
        form.TabbedNotebook1Change(kSimulationPage);
    }

    /// Redraws the page and the same state from scratch; whether both came out the same.
    bool redrawIsFresh() {
        Engine fresh;
        fresh.State = form.State;
        const ProgramState& scratch = fresh.State;
        Raster image(701, 401);
        paintSimulationView(fresh, image);
        form.BitBtn5Click();
        const ProgramState& s = form.State;
        const Raster& shown = form.Image5.canvas;
        return std::memcmp(shown.data(), image.data(), 4u * 701 * 401) == 0 &&
               s.SensorStates == scratch.SensorStates && s.SensorCount == scratch.SensorCount &&
               s.ReturnToStart == scratch.ReturnToStart && same(s.RobotPosX, scratch.RobotPosX) &&
               same(s.RobotPosY, scratch.RobotPosY) && shown.brushColour() == image.brushColour() &&
               shown.penColour() == image.penColour() && shown.penWidth() == image.penWidth();
    }

    void run(int steps) {
        for (int i = 0; i < steps; ++i) {
            form.BitBtn6Click();
            ASSERT_TRUE(redrawIsFresh()) << "after step " << i;
        }
    }

    TForm1 form;
};

}  // namespace

TEST_F(CachedRedraw, ARunAndEditsOfCellsStrokesAndImageShowAtTheNextRedraw) {
    ASSERT_TRUE(redrawIsFresh());  // held: placed on the start cell
    form.Button15Click();
    run(40);
    form.TrackBar2.position = 37;  // off the axes, where the robot's box is widest
    form.Button16Click();
    ASSERT_TRUE(redrawIsFresh());
    form.Button15Click();
    run(20);
    const std::function<void()> edits[] = {
        [&] { form.State.MapGrid.at(35, 33) = kStop; },
        [&] { form.State.MapGrid.at(35, 33) = kMapEmpty; },
        [&] { appendStroke(form.State.StrokeList, 300, 300, 400, 350); },
        [&] { form.Button10Click(); },                     // stroke taken back
        [&] { form.Button11Click(); },                     // strokes removed
        [&] { form.Image5.canvas.setPixel(5, 5, kRed); },  // drawn from outside, far from the robot
        [&] { form.Image5.canvas = Raster(701, 401); },
    };
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        edits[i]();
        ASSERT_TRUE(redrawIsFresh()) << "edit " << i;
        run(1);
    }
}

TEST_F(CachedRedraw, ARobotOffTheMapOrOnANonsensePoseLeavesNothingBehind) {
    form.Button15Click();
    run(2);
    for (const float x : {695.0f, -60.0f, 3.0e9f, 350.0f, std::numeric_limits<float>::quiet_NaN(), 350.0f}) {
        form.State.RobotPosX = x;
        ASSERT_TRUE(redrawIsFresh()) << "x " << x;
    }
}

// Cells on the board's very edges draw right up to the box the page puts back; a double sensor
// in the last drawn column outlines the column beyond.
TEST_F(CachedRedraw, ARobotOnTheEdgesOfItsBoardLeavesNothingBehind) {
    Grid& robot = form.State.RobotGrid;
    for (int i = 0; i < 20; ++i) {
        robot.at(i, 0) = kBody;
        robot.at(0, i) = kWheel;
        robot.at(19, i) = kBody;
        robot.at(i, 19) = kWheel;
    }
    robot.at(19, 5) = robot.at(20, 5) = kDoubleHalf;
    robot.at(19, 19) = kSensor;
    form.Button15Click();
    form.State.RobotPosX = 350.0f;  // the whole board on the map
    form.State.RobotPosY = 200.0f;
    for (const int heading : {0, 90, 45, 10, 180, 271}) {
        form.TrackBar2.position = heading;
        form.TrackBar2Change();
        run(2);
    }
}
