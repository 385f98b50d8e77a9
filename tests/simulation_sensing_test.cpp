#include <gtest/gtest.h>

#include <vector>

#include "app/startup.h"
#include "engine/sensing.h"

using namespace vemrik;

namespace {

ProgramState freshState() {
    ProgramState s;
    createState(s);
    return s;
}

/// Senses at the state's pose with a reader that records every pixel asked for and answers c.
std::vector<Pixel> readsOf(ProgramState& s, Colour c = kWhite) {
    std::vector<Pixel> reads;
    SenseSensors(s, currentPose(s), [&](int x, int y) {
        reads.push_back({x, y});
        return c;
    });
    return reads;
}

void paintPixels(Raster& image, int x1, int y1, int x2, int y2, Colour c) {
    image.setBrushColour(c);
    image.setPenColour(c);
    image.rectangle(x1, y1, x2, y2);
}

}  // namespace

// Sensor [10][5] has its sample square at robot-frame (4, -46) .. (6, -44).
TEST(Sensing, ReadsTheFiveSamplePointsOfTheSensorAtTheCurrentPose) {
    ProgramState s = freshState();
    s.RobotGrid.at(10, 5) = kSensor;
    s.RobotPosX = 355.0f;
    s.RobotPosY = 205.0f;
    EXPECT_EQ(readsOf(s), (std::vector<Pixel>{{359, 159}, {359, 161}, {361, 161}, {361, 159}, {359, 159}}));
    // cos 30 = 0.866, sin 30 = 0.5: (4, -46) goes to (355 + 3.464 + 23, 205 + 2 - 39.837).
    s.RobotHeading = 30.0f;
    EXPECT_EQ(readsOf(s), (std::vector<Pixel>{{381, 167}, {380, 168}, {382, 169}, {383, 168}, {381, 167}}));
}

TEST(Sensing, DoubleSensorReadsTheEdgeBetweenItsCells) {
    ProgramState s = freshState();
    s.RobotGrid.at(3, 2) = kDoubleHalf;
    s.RobotGrid.at(4, 2) = kDoubleHalf;
    s.RobotPosX = 100.0f;
    s.RobotPosY = 100.0f;
    EXPECT_EQ(readsOf(s), (std::vector<Pixel>{{39, 24}, {39, 26}, {41, 26}, {41, 24}, {39, 24}}));
}

TEST(Sensing, GreyTurnsASensorOnAndEveryStateBeyondTheSensorsIsCleared) {
    ProgramState s = freshState();
    s.SensorStates = {1, 1, 1, 1, 1, 1, 1, 1};
    s.RobotGrid.at(2, 0) = kSensor;  // sensor 0, rows first
    s.RobotGrid.at(1, 1) = kSensor;  // sensor 1
    s.RobotGrid.at(5, 5) = kSensor;  // sensor 2
    s.RobotPosX = 100.0f;
    s.RobotPosY = 100.0f;
    // Sensor 1's square is (14 .. 16, 14 .. 16): only its last corner but one, (16, 14), is grey.
    Raster image(701, 401);
    image.setPixel(16, 14, kGrey);
    SenseSensors(s, currentPose(s), image);
    EXPECT_EQ(s.SensorStates, (std::array<std::int32_t, 8>{0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(s.SensorCount, 0);
    EXPECT_EQ(s.ReturnToStart, 1);  // never cleared by sensing
}

TEST(Sensing, RedAsksForTheReturnEvenWhenTheSameSensorSeesGrey) {
    ProgramState s = freshState();
    s.ReturnToStart = 0;
    s.RobotGrid.at(10, 10) = kSensor;  // square (104 .. 106, 104 .. 106) at pose (100, 100)
    s.RobotPosX = 100.0f;
    s.RobotPosY = 100.0f;
    Raster image(701, 401);
    image.setPixel(104, 104, kGrey);
    image.setPixel(106, 106, kRed);
    SenseSensors(s, currentPose(s), image);
    EXPECT_EQ(s.SensorStates[0], 1);
    EXPECT_EQ(s.ReturnToStart, 1);
}

TEST(Sensing, BlueWhiteAndOutsideMeanNothing) {
    ProgramState s = freshState();
    s.ReturnToStart = 0;
    s.RobotGrid.at(10, 10) = kSensor;
    s.RobotGrid.at(0, 0) = kSensor;  // square (-96 .. -94): off the image at pose (90, 100)
    s.RobotPosX = 90.0f;
    s.RobotPosY = 100.0f;
    Raster image(701, 401);
    paintPixels(image, 90, 90, 110, 110, kBlue);
    SenseSensors(s, currentPose(s), image);
    EXPECT_EQ(s.SensorStates, (std::array<std::int32_t, 8>{}));
    EXPECT_EQ(s.ReturnToStart, 0);
}

TEST(Sensing, TenSensorsInARowGiveEightStatesAndTheTenthStillStops) {
    ProgramState s = freshState();
    s.ReturnToStart = 0;
    for (int x = 0; x < 10; ++x) s.RobotGrid.at(x, 3) = kSensor;  // sensor x samples x 10x+4 .. 10x+6
    s.RobotPosX = 100.0f;
    s.RobotPosY = 100.0f;  // all squares in rows 34 .. 36
    Raster image(701, 401);
    paintPixels(image, 80, 30, 90, 40, kGrey);   // under the ninth only
    paintPixels(image, 90, 30, 100, 40, kRed);   // under the tenth only
    SenseSensors(s, currentPose(s), image);
    EXPECT_EQ(s.SensorStates, (std::array<std::int32_t, 8>{}));  // the ninth has no state to set
    EXPECT_EQ(s.ReturnToStart, 1);
    EXPECT_EQ(s.SensorCount, 0);

    paintPixels(image, 0, 30, 80, 40, kGrey);  // now under the first eight as well
    SenseSensors(s, currentPose(s), image);
    EXPECT_EQ(s.SensorStates, (std::array<std::int32_t, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(Sensing, APointJustLeftOfTheImageReadsColumnZero) {
    ProgramState s = freshState();
    s.RobotGrid.at(0, 10) = kSensor;  // square x -96 .. -94, y 4 .. 6
    s.RobotPosX = 95.3f;              // -96 + 95.3 = -0.7 -> column 0; -94 + 95.3 = 1.3 -> column 1
    s.RobotPosY = 100.0f;
    EXPECT_EQ(readsOf(s), (std::vector<Pixel>{{0, 104}, {0, 106}, {1, 106}, {1, 104}, {0, 104}}));
    Raster image(701, 401);
    paintPixels(image, 0, 0, 1, 401, kGrey);
    SenseSensors(s, currentPose(s), image);
    EXPECT_EQ(s.SensorStates[0], 1);
}

TEST(PlaceAtStart, TheLastStartCellColumnByColumnWins) {
    ProgramState s = freshState();
    s.MapGrid.at(5, 30) = kStart;
    s.MapGrid.at(12, 3) = kStart;
    s.MapGrid.at(70, 1) = kStart;  // column 70 and row 40 are never looked at
    s.MapGrid.at(20, 40) = kStart;
    s.RobotHeading = 45.0f;
    PlaceAtStart(s);
    EXPECT_EQ(s.RobotPosX, 125.0f);
    EXPECT_EQ(s.RobotPosY, 35.0f);
    EXPECT_EQ(s.RobotHeading, 45.0f);
}

TEST(PlaceAtStart, MovesNothingWhileRunningOrWithoutAStartCell) {
    ProgramState s = freshState();
    s.RobotPosX = 333.5f;
    s.RobotPosY = 77.25f;
    PlaceAtStart(s);  // held, but no start cell
    EXPECT_EQ(s.RobotPosX, 333.5f);
    EXPECT_EQ(s.RobotPosY, 77.25f);
    s.MapGrid.at(33, 7) = kStart;
    s.ReturnToStart = 0;
    PlaceAtStart(s);
    EXPECT_EQ(s.RobotPosX, 333.5f);
    EXPECT_EQ(s.RobotPosY, 77.25f);
}
