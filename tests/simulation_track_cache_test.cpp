// The simulation page keeps its painted track between redraws. Every redraw of the form is held
// against a redraw from scratch of the same state, pixel by pixel and field by field, through a
// run and the edits, foreign drawing and odd poses that could leave a kept picture stale.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "map/map_editor.h"
#include "scenes/scenes.h"
#include "ui/workspace_form.h"
#include "simulation/simulation_view.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

bool same(float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); }

class CachedRedraw : public ::testing::Test {
protected:
    void SetUp() override {
        applyWorkspace(form, typicalScene());
        form.TabbedNotebook1Change(kSimulationPage);
    }

    /// Redraws the page and the same state from scratch; the first difference, or empty text.
    std::string redrawDifference() {
        ProgramState scratch = form.State;
        Raster image(701, 401);
        paintSimulationView(scratch, image);
        form.BitBtn5Click();
        const ProgramState& s = form.State;
        const Raster& shown = form.Image5.canvas;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (shown.pixel(x, y) != image.pixel(x, y))
                    return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        if (s.SensorStates != scratch.SensorStates) return "sensor states";
        if (s.SensorCount != scratch.SensorCount) return "sensor count";
        if (s.ReturnToStart != scratch.ReturnToStart) return "ReturnToStart";
        if (!same(s.RobotPosX, scratch.RobotPosX) || !same(s.RobotPosY, scratch.RobotPosY)) return "position";
        if (shown.brushColour() != image.brushColour() || shown.penColour() != image.penColour() ||
            shown.penWidth() != image.penWidth())
            return "drawing state";
        return {};
    }

    void run(int steps) {
        for (int i = 0; i < steps; ++i) {
            form.BitBtn6Click();
            ASSERT_EQ(redrawDifference(), "") << "after step " << i;
        }
    }

    TForm1 form;
};

}  // namespace

TEST_F(CachedRedraw, ARunLooksAsIfEveryRedrawStartedFromScratch) {
    ASSERT_EQ(redrawDifference(), "");  // held: placed on the start cell
    form.Button15Click();
    run(40);
    form.TrackBar2.position = 37;  // off the axes, where the robot's box is widest
    form.Button16Click();
    ASSERT_EQ(redrawDifference(), "");
    form.Button15Click();
    run(20);
}

TEST_F(CachedRedraw, EditsOfCellsAndStrokesShowAtTheNextRedraw) {
    form.Button15Click();
    run(3);
    form.State.MapGrid.at(35, 33) = kStop;
    ASSERT_EQ(redrawDifference(), "") << "stop cell added";
    form.State.MapGrid.at(35, 33) = kMapEmpty;
    ASSERT_EQ(redrawDifference(), "") << "stop cell removed";
    appendStroke(form.State.StrokeList, 300, 300, 400, 350);
    ASSERT_EQ(redrawDifference(), "") << "stroke added";
    form.Button10Click();
    ASSERT_EQ(redrawDifference(), "") << "stroke taken back";
    form.Button11Click();
    ASSERT_EQ(redrawDifference(), "") << "strokes removed";
    run(3);
}

TEST_F(CachedRedraw, DrawingOnTheImageFromOutsideIsPaintedOver) {
    form.Button15Click();
    run(2);
    form.Image5.canvas.setPixel(5, 5, kRed);  // far from the robot
    ASSERT_EQ(redrawDifference(), "");
    form.Image5.canvas = Raster(701, 401);
    ASSERT_EQ(redrawDifference(), "");
    run(2);
}

TEST_F(CachedRedraw, ARobotOffTheMapOrOnANonsensePoseLeavesNothingBehind) {
    form.Button15Click();
    run(2);
    for (const float x : {695.0f, -60.0f, 3.0e9f, 350.0f, std::numeric_limits<float>::quiet_NaN(), 350.0f}) {
        form.State.RobotPosX = x;
        ASSERT_EQ(redrawDifference(), "") << "x " << x;
    }
}

// Cells on the board's very edges draw right up to the box the page puts back; a double sensor
// in the last drawn column outlines the column beyond.
TEST_F(CachedRedraw, ARobotOnTheEdgesOfItsBoardLeavesNothingBehind) {
    form.State.RobotGrid.at(19, 5) = kDoubleHalf;
    form.State.RobotGrid.at(20, 5) = kDoubleHalf;
    for (int i = 0; i < 20; ++i) {
        form.State.RobotGrid.at(i, 0) = kBody;
        form.State.RobotGrid.at(0, i) = kWheel;
        if (i != 5) form.State.RobotGrid.at(19, i) = kBody;
        form.State.RobotGrid.at(i, 19) = kWheel;
    }
    form.State.RobotGrid.at(19, 19) = kSensor;
    form.Button15Click();
    form.State.RobotPosX = 350.0f;  // the whole board on the map
    form.State.RobotPosY = 200.0f;
    for (const int heading : {0, 90, 45, 10, 180, 271}) {
        form.TrackBar2.position = heading;
        form.TrackBar2Change();
        run(2);
    }
}
