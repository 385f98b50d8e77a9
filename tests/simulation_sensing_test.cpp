// What the sensors read and where the simulation page draws, at the edges of the map, of the
// image and of the eight sensor states.
#include <gtest/gtest.h>

#include "engine/sensing.h"
#include "simulation/simulation_view.h"

using namespace vemrik;

namespace {

/// A fresh engine, running (not held) at pose (x, y).
Engine runningAt(float x, float y) {
    Engine e;
    e.State.ReturnToStart = 0;
    e.State.RobotPosX = x;
    e.State.RobotPosY = y;
    return e;
}

void paint(Raster& image, int x1, int y1, int x2, int y2, Colour c) {
    image.setBrushColour(c);
    image.setPenColour(c);
    image.rectangle(x1, y1, x2, y2);
}

}  // namespace

TEST(Sensing, OnlyEightSensorsHaveStatesTheTenthStillStopsAndOffTheImageIsNothing) {
    Engine e = runningAt(100.0f, 100.0f);
    ProgramState& s = e.State;
    for (int x = 0; x < 10; ++x)
        s.RobotGrid.at(x, 3) = kSensor;  // sensor x samples 10x+4 .. 10x+6, rows 34 .. 36
    Raster image(701, 401);
    paint(image, 0, 0, 701, 401, kBlue);  // blue is nothing
    paint(image, 80, 30, 90, 40, kGrey);  // under the ninth only
    paint(image, 90, 30, 100, 40, kRed);  // under the tenth only
    SenseSensors(s, currentPose(s), image);
    EXPECT_EQ(s.SensorStates, (std::array<std::int32_t, 8>{}));
    EXPECT_EQ(s.SensorCount, 8);
    EXPECT_EQ(s.ReturnToStart, 1);
    paint(image, 0, 30, 80, 40, kGrey);
    SenseSensors(s, currentPose(s), image);
    EXPECT_EQ(s.SensorStates, (std::array<std::int32_t, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
    // Moved left by 160, every sample point lies off the image, beside the grey and red edge.
    s.ReturnToStart = 0;
    s.RobotPosX = -60.0f;
    SenseSensors(s, currentPose(s), image);
    EXPECT_EQ(s.SensorStates, (std::array<std::int32_t, 8>{}));
    EXPECT_EQ(s.ReturnToStart, 0);
}

TEST(PlaceAtStart, TheLastStartCellColumnByColumnWinsButTheLastColumnAndRowAreNeverLookedAt) {
    Engine e;
    ProgramState& s = e.State;
    s.MapGrid.at(5, 30) = kStart;
    s.MapGrid.at(12, 3) = kStart;
    s.MapGrid.at(70, 1) = kStart;
    s.MapGrid.at(20, 40) = kStart;
    PlaceAtStart(s);
    EXPECT_EQ(s.RobotPosX, 125.0f);
    EXPECT_EQ(s.RobotPosY, 35.0f);
}

// Outlines are 2 pixels wide: an edge at x = 45 covers columns 44 and 45.
TEST(SimulationView, TheLastMapColumnAndRowAreNeverPaintedAndARobotOffTheEdgeIsClipped) {
    Engine e = runningAt(0.0f, 200.0f);
    ProgramState& s = e.State;
    s.MapGrid.at(70, 3) = kLine;
    s.MapGrid.at(3, 39) = kLine;
    s.MapGrid.at(3, 40) = kLine;
    s.MapGrid.at(9, 20) = kLine;
    s.RobotGrid.at(0, 10) = kSensor;                             // samples x -96 .. -94: off the image
    s.RobotGrid.at(19, 10) = kSensor;                            // (94 .. 96, 204 .. 206): on the line
    for (int x = 0; x < 20; ++x) s.RobotGrid.at(x, 11) = kBody;  // top edge along y = 210
    Raster image(701, 401);
    paintSimulationView(e, image);
    EXPECT_EQ(s.SensorCount, 2);
    EXPECT_EQ(s.SensorStates[0], 0);
    EXPECT_EQ(s.SensorStates[1], 1);
    EXPECT_EQ(image.penWidth(), 0);
    const std::array<std::pair<Pixel, Colour>, 6> pixels = {{
        {{700, 35}, kWhite},
        {{35, 399}, kGrey},
        {{35, 400}, kWhite},
        {{95, 205}, kGreen},
        {{45, 210}, kGrey},
        {{0, 209}, kGrey},  // the body's edge runs right up to the image's first column
    }};
    for (const auto& [p, c] : pixels) EXPECT_EQ(image.pixel(p.x, p.y), c) << p.x << "," << p.y;
}
