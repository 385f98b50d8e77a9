#include "simulation/simulation_view.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "map/map_editor.h"

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

/// Checks pixels given as x, y, colour triples.
void expectPixels(const Raster& image, std::initializer_list<std::int64_t> triples) {
    for (auto p = triples.begin(); p + 2 < triples.end(); p += 3)
        EXPECT_EQ(image.pixel(int(p[0]), int(p[1])), Colour(p[2])) << p[0] << "," << p[1];
}

}  // namespace

TEST(SimulationView, EmptyEverythingIsPlainWhiteAndLeavesPenWidthZero) {
    Engine e = runningAt(0.0f, 0.0f);
    Raster image(701, 401);
    image.fill(kBlack);
    paintSimulationView(e, image);
    EXPECT_EQ(std::count(image.data(), image.data() + 701 * 401, kWhite), 701 * 401);
    EXPECT_EQ(image.penWidth(), 0);
}

// Outlines are 2 pixels wide: a vertical edge at x = 355 covers columns 354 and 355.
TEST(SimulationView, TrackCellsAndRobotOutlinesLieWhereTheyBelong) {
    Engine e = runningAt(355.0f, 205.0f);
    ProgramState& s = e.State;
    appendStroke(s.StrokeList, 0, 105, 200, 105);  // a 10-pixel band over rows 100 .. 109
    s.MapGrid.at(5, 10) = kStart;
    s.MapGrid.at(7, 10) = kStop;
    s.MapGrid.at(70, 3) = kLine;  // the last column and row are never painted
    s.MapGrid.at(3, 39) = kLine;
    s.MapGrid.at(3, 40) = kLine;
    s.RobotGrid.at(10, 10) = kBody;   // (355, 205) .. (365, 215)
    s.RobotGrid.at(12, 10) = kWheel;  // (375, 205) .. (385, 215)
    Raster image(701, 401);
    paintSimulationView(e, image);
    expectPixels(image, {20, 100, kGrey, 20,  109, kGrey,  20, 110, kWhite, 55, 105, kBlue,
                         79, 109, kRed,  700, 35,  kWhite, 35, 399, kGrey,  35, 400, kWhite});
    // The body's outline, never filled, and the wheel's.
    expectPixels(image,
                 {353, 210, kWhite, 354, 210, kGrey, 355, 210, kGrey,  360, 210, kWhite, 364, 210, kGrey,
                  360, 204, kGrey,  360, 215, kGrey, 360, 216, kWhite, 375, 210, kBlack, 380, 215, kBlack});
}

TEST(SimulationView, ASensorIsMarkedGreenOnTheLineAndRedOff) {
    Engine e = runningAt(355.0f, 205.0f);
    ProgramState& s = e.State;
    s.RobotGrid.at(10, 5) = kSensor;  // cell (355, 155) .. (365, 165), mark (359, 159) .. (361, 161)
    s.MapGrid.at(35, 15) = kLine;     // 350 .. 359 by 150 .. 159: holds the mark's first corner
    Raster image(701, 401);
    paintSimulationView(e, image);
    EXPECT_EQ(s.SensorCount, 1);
    expectPixels(image, {360, 160, kGreen, 358, 158, kGreen, 362, 162, kWhite, 364, 160, kGrey});
    s.MapGrid.at(35, 15) = kMapEmpty;
    paintSimulationView(e, image);
    EXPECT_EQ(s.SensorStates[0], 0);
    EXPECT_EQ(image.pixel(360, 160), kRed);
}

// A double sensor samples the edge between its cells, right where its own grey outlines run:
// only sensing before the robot is drawn keeps it from seeing itself.
TEST(SimulationView, TheRobotNeverSensesItsOwnPicture) {
    Engine e = runningAt(355.0f, 205.0f);
    ProgramState& s = e.State;
    s.RobotGrid.at(9, 5) = kDoubleHalf;
    s.RobotGrid.at(10, 5) = kDoubleHalf;
    Raster image(701, 401);
    paintSimulationView(e, image);
    paintSimulationView(e, image);
    EXPECT_EQ(s.SensorStates[0], 0);
    EXPECT_EQ(s.ReturnToStart, 0);
    expectPixels(image, {355, 160, kRed, 355, 156, kGrey});  // mark over the shared edge, edge beyond
}

TEST(SimulationView, ANinthSensorIsOutlinedButNeitherMarkedNorCounted) {
    Engine e = runningAt(300.0f, 200.0f);
    ProgramState& s = e.State;
    for (int x = 0; x < 9; ++x) s.RobotGrid.at(2 * x, 10) = kSensor;
    Raster image(701, 401);
    paintSimulationView(e, image);
    EXPECT_EQ(s.SensorCount, 8);
    // Eighth [14][10] marked at (344 .. 346, 204 .. 206); ninth [16][10] only outlined from x = 360.
    expectPixels(image, {345, 205, kRed, 365, 205, kWhite, 360, 205, kGrey});
}

TEST(SimulationView, AHeldRobotIsDrawnOnItsStartCell) {
    Engine e = runningAt(600.0f, 300.0f);
    ProgramState& s = e.State;
    s.ReturnToStart = 1;
    s.MapGrid.at(20, 10) = kStart;  // centre (205, 105)
    s.RobotGrid.at(10, 9) = kBody;  // outline (205, 95) .. (215, 105) once placed
    Raster image(701, 401);
    paintSimulationView(e, image);
    EXPECT_EQ(s.RobotPosX, 205.0f);
    EXPECT_EQ(s.RobotPosY, 105.0f);
    expectPixels(image, {205, 100, kGrey, 600, 300, kWhite});
}

TEST(SimulationView, CellsCoverStrokesForTheSensorsToo) {
    Engine e = runningAt(200.0f, 100.0f);
    ProgramState& s = e.State;
    s.MapGrid.at(20, 10) = kStart;  // 200 .. 209 by 100 .. 109
    appendStroke(s.StrokeList, 150, 105, 260, 105);
    s.RobotGrid.at(10, 10) = kSensor;  // (204 .. 206, 104 .. 106): on the start cell
    s.RobotGrid.at(12, 10) = kSensor;  // (224 .. 226, 104 .. 106): on the bare stroke
    Raster image(701, 401);
    paintSimulationView(e, image);
    EXPECT_EQ(s.SensorStates[0], 0);
    EXPECT_EQ(s.SensorStates[1], 1);
}

TEST(SimulationView, ARobotHalfOffTheMapIsClippedAndStillSensesWhatIsOn) {
    Engine e = runningAt(0.0f, 200.0f);
    ProgramState& s = e.State;
    s.RobotGrid.at(0, 10) = kSensor;                             // samples x -96 .. -94: off the image
    s.RobotGrid.at(19, 10) = kSensor;                            // (94 .. 96, 204 .. 206)
    for (int x = 0; x < 20; ++x) s.RobotGrid.at(x, 11) = kBody;  // top edge along y = 210
    s.MapGrid.at(9, 20) = kLine;
    Raster image(701, 401);
    paintSimulationView(e, image);
    EXPECT_EQ(s.SensorCount, 2);
    EXPECT_EQ(s.SensorStates[0], 0);
    EXPECT_EQ(s.SensorStates[1], 1);
    expectPixels(image, {95, 205, kGreen, 45, 210, kGrey});
}
