#include <gtest/gtest.h>

#include "app/startup.h"
#include "map/map_editor.h"
#include "simulation/simulation_view.h"

using namespace vemrik;

namespace {

ProgramState freshState() {
    ProgramState s;
    createState(s);
    return s;
}

void addStroke(ProgramState& s, int x0, int y0, int x1, int y1) { appendStroke(s.StrokeList, x0, y0, x1, y1); }

int countOf(const Raster& image, Colour c) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == c;
    return n;
}

}  // namespace

TEST(SimulationView, EmptyEverythingIsAPlainWhiteImageAndLeavesPenWidthZero) {
    ProgramState s = freshState();
    Raster image(701, 401);
    image.fill(kBlack);
    paintSimulationView(s, image);
    EXPECT_EQ(countOf(image, kWhite), 701 * 401);
    EXPECT_EQ(image.penWidth(), 0);
    EXPECT_EQ(s.SensorCount, 0);
}

TEST(SimulationView, CellsCoverStrokesAndTheLastColumnAndRowAreNeverPainted) {
    ProgramState s = freshState();
    addStroke(s, 0, 105, 200, 105);  // a 10-pixel band over rows 100 .. 109
    s.MapGrid.at(5, 10) = kStart;
    s.MapGrid.at(7, 10) = kStop;
    s.MapGrid.at(70, 3) = kLine;
    s.MapGrid.at(3, 40) = kLine;
    s.ReturnToStart = 0;
    Raster image(701, 401);
    paintSimulationView(s, image);
    EXPECT_EQ(image.pixel(20, 100), kGrey);
    EXPECT_EQ(image.pixel(20, 109), kGrey);
    EXPECT_EQ(image.pixel(20, 110), kWhite);
    EXPECT_EQ(image.pixel(55, 105), kBlue);
    EXPECT_EQ(image.pixel(79, 109), kRed);
    EXPECT_EQ(image.pixel(700, 35), kWhite);
    EXPECT_EQ(image.pixel(35, 400), kWhite);
}

// Outlines are 2 pixels wide: a vertical edge at x = 355 covers columns 354 and 355.
TEST(SimulationView, BodyCellOutlineAtHeadingZeroRunsRoundTheCellFromThePose) {
    ProgramState s = freshState();
    s.RobotGrid.at(10, 10) = kBody;
    s.RobotGrid.at(12, 10) = kWheel;
    s.ReturnToStart = 0;
    s.RobotPosX = 355.0f;
    s.RobotPosY = 205.0f;
    Raster image(701, 401);
    paintSimulationView(s, image);
    // Cell [10][10]: (355, 205) .. (365, 215).
    EXPECT_EQ(image.pixel(354, 210), kGrey);
    EXPECT_EQ(image.pixel(355, 210), kGrey);
    EXPECT_EQ(image.pixel(353, 210), kWhite);
    EXPECT_EQ(image.pixel(360, 210), kWhite);  // never filled
    EXPECT_EQ(image.pixel(364, 210), kGrey);
    EXPECT_EQ(image.pixel(360, 204), kGrey);
    EXPECT_EQ(image.pixel(360, 215), kGrey);
    EXPECT_EQ(image.pixel(360, 216), kWhite);
    // Wheel [12][10]: (375, 205) .. (385, 215), black.
    EXPECT_EQ(image.pixel(375, 210), kBlack);
    EXPECT_EQ(image.pixel(380, 215), kBlack);
}

TEST(SimulationView, ASensorOnTheLineIsMarkedGreenInsideItsGreyCellOutline) {
    ProgramState s = freshState();
    s.RobotGrid.at(10, 5) = kSensor;  // cell (355, 155) .. (365, 165), mark (359, 159) .. (361, 161)
    s.MapGrid.at(35, 15) = kLine;     // pixels 350 .. 359 by 150 .. 159: holds the first corner
    s.ReturnToStart = 0;
    s.RobotPosX = 355.0f;
    s.RobotPosY = 205.0f;
    Raster image(701, 401);
    paintSimulationView(s, image);
    EXPECT_EQ(s.SensorStates[0], 1);
    EXPECT_EQ(s.SensorCount, 1);
    EXPECT_EQ(image.pixel(360, 160), kGreen);
    EXPECT_EQ(image.pixel(358, 158), kGreen);
    EXPECT_EQ(image.pixel(362, 162), kWhite);
    EXPECT_EQ(image.pixel(364, 160), kGrey);

    s.MapGrid.at(35, 15) = kMapEmpty;
    paintSimulationView(s, image);
    EXPECT_EQ(s.SensorStates[0], 0);
    EXPECT_EQ(image.pixel(360, 160), kRed);
}

// A double sensor samples the edge between its cells, right where its own grey outlines run:
// only sensing before the robot is drawn keeps it from seeing itself.
TEST(SimulationView, TheRobotNeverSensesItsOwnPicture) {
    ProgramState s = freshState();
    s.RobotGrid.at(9, 5) = kDoubleHalf;
    s.RobotGrid.at(10, 5) = kDoubleHalf;
    s.ReturnToStart = 0;
    s.RobotPosX = 355.0f;
    s.RobotPosY = 205.0f;
    Raster image(701, 401);
    paintSimulationView(s, image);
    paintSimulationView(s, image);
    EXPECT_EQ(s.SensorStates[0], 0);  // not its grey outline
    EXPECT_EQ(s.ReturnToStart, 0);    // nor its red mark
    EXPECT_EQ(image.pixel(355, 160), kRed);  // the mark (354, 159) .. (356, 161) drawn over the edge
    EXPECT_EQ(image.pixel(355, 156), kGrey);  // the shared edge outside the mark
}

TEST(SimulationView, ANinthSensorIsOutlinedButNeitherMarkedNorCounted) {
    ProgramState s = freshState();
    for (int x = 0; x < 9; ++x) s.RobotGrid.at(2 * x, 10) = kSensor;  // ninth at [16][10]
    s.ReturnToStart = 0;
    s.RobotPosX = 300.0f;
    s.RobotPosY = 200.0f;
    Raster image(701, 401);
    paintSimulationView(s, image);
    EXPECT_EQ(s.SensorCount, 8);
    EXPECT_EQ(image.pixel(345, 205), kRed);    // eighth, [14][10]: mark at (344 .. 346, 204 .. 206)
    EXPECT_EQ(image.pixel(365, 205), kWhite);  // ninth, [16][10]: no mark
    EXPECT_EQ(image.pixel(360, 205), kGrey);   // but its outline, left edge at x = 360
}

TEST(SimulationView, AHeldRobotIsDrawnOnItsStartCell) {
    ProgramState s = freshState();
    s.MapGrid.at(20, 10) = kStart;  // centre (205, 105)
    s.RobotGrid.at(10, 9) = kBody;  // outline (205, 95) .. (215, 105) once placed
    s.RobotPosX = 600.0f;
    s.RobotPosY = 300.0f;
    Raster image(701, 401);
    paintSimulationView(s, image);
    EXPECT_EQ(s.RobotPosX, 205.0f);
    EXPECT_EQ(s.RobotPosY, 105.0f);
    EXPECT_EQ(image.pixel(205, 100), kGrey);  // its left edge, over the blue cell
    EXPECT_EQ(image.pixel(600, 300), kWhite);
}

TEST(SimulationView, ASensorOverAStartCellReadsBlueEvenWithAStrokeUnderIt) {
    ProgramState s = freshState();
    s.MapGrid.at(20, 10) = kStart;  // pixels 200 .. 209 by 100 .. 109
    addStroke(s, 150, 105, 260, 105);
    s.RobotGrid.at(10, 10) = kSensor;  // square (204 .. 206, 104 .. 106)
    s.RobotGrid.at(12, 10) = kSensor;  // square (224 .. 226, 104 .. 106), on the bare stroke
    s.ReturnToStart = 0;
    s.RobotPosX = 200.0f;
    s.RobotPosY = 100.0f;
    Raster image(701, 401);
    paintSimulationView(s, image);
    EXPECT_EQ(s.SensorStates[0], 0);
    EXPECT_EQ(s.SensorStates[1], 1);
}

TEST(SimulationView, ARobotHalfOffTheMapIsClippedAndStillSensesWhatIsOn) {
    ProgramState s = freshState();
    s.ReturnToStart = 0;
    s.RobotGrid.at(0, 10) = kSensor;   // square x -96 .. -94: off the image
    s.RobotGrid.at(19, 10) = kSensor;  // square (94 .. 96, 204 .. 206)
    for (int x = 0; x < 20; ++x) s.RobotGrid.at(x, 11) = kBody;  // top edge along y = 210
    s.MapGrid.at(9, 20) = kLine;       // pixels 90 .. 99 by 200 .. 209
    s.RobotPosX = 0.0f;
    s.RobotPosY = 200.0f;
    Raster image(701, 401);
    paintSimulationView(s, image);
    EXPECT_EQ(s.SensorCount, 2);
    EXPECT_EQ(s.SensorStates[0], 0);
    EXPECT_EQ(s.SensorStates[1], 1);
    EXPECT_EQ(image.pixel(95, 205), kGreen);
    EXPECT_EQ(image.pixel(45, 210), kGrey);
}
