#include <gtest/gtest.h>

#include <vector>

#include "app/startup.h"
#include "engine/sensing.h"

using namespace vemrik;

namespace {

/// A fresh state held at the start, at pose (x, y), with a sensor on each of the given cells.
ProgramState sensorsAt(float x, float y, std::initializer_list<std::pair<int, int>> cells) {
    ProgramState s;
    createState(s);
    for (const auto& [cx, cy] : cells) s.RobotGrid.at(cx, cy) = kSensor;
    s.RobotPosX = x;
    s.RobotPosY = y;
    return s;
}

void paint(Raster& image, int x1, int y1, int x2, int y2, Colour c) {
    image.setBrushColour(c);
    image.setPenColour(c);
    image.rectangle(x1, y1, x2, y2);
}

}  // namespace

// The sample points are read in their order at the current pose, heading included; the fifth
// corner of the square is the first again and is not read twice.
TEST(Sensing, ReadsTheFourSamplePointsAtTheCurrentPose) {
    ProgramState s = sensorsAt(355.0f, 205.0f, {{10, 5}});
    s.RobotHeading = 30.0f;
    std::vector<Pixel> reads;
    SenseSensors(s, currentPose(s), [&](int x, int y) {
        reads.push_back({x, y});
        return kWhite;
    });
    EXPECT_EQ(reads, (std::vector<Pixel>{{381, 167}, {380, 168}, {382, 169}, {383, 168}}));
}

TEST(Sensing, GreyTurnsItsSensorOnAndEveryOtherStateIsCleared) {
    ProgramState s = sensorsAt(100.0f, 100.0f, {{2, 0}, {1, 1}, {5, 5}});  // sensors 0, 1, 2: rows first
    s.SensorStates = {1, 1, 1, 1, 1, 1, 1, 1};
    Raster image(701, 401);
    image.setPixel(16, 14, kGrey);  // only the last corner but one of sensor 1's square (14 .. 16)
    SenseSensors(s, currentPose(s), image);
    EXPECT_EQ(s.SensorStates, (std::array<std::int32_t, 8>{0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(s.SensorCount, 3);    // the sensors that have a state, for the views
    EXPECT_EQ(s.ReturnToStart, 1);  // never cleared by sensing
}

TEST(Sensing, RedStopsEvenBesideGreyAndBlueWhiteAndOutsideMeanNothing) {
    ProgramState s = sensorsAt(100.0f, 100.0f, {{10, 10}});  // square (104 .. 106, 104 .. 106)
    s.ReturnToStart = 0;
    Raster image(701, 401);
    image.setPixel(104, 104, kGrey);
    image.setPixel(106, 106, kRed);
    SenseSensors(s, currentPose(s), image);
    EXPECT_EQ(s.SensorStates[0], 1);
    EXPECT_EQ(s.ReturnToStart, 1);

    s = sensorsAt(90.0f, 100.0f, {{10, 10}, {0, 0}});  // the second samples (-96 .. -94): off the image
    s.ReturnToStart = 0;
    paint(image, 0, 0, 701, 401, kBlue);
    SenseSensors(s, currentPose(s), image);
    EXPECT_EQ(s.SensorStates, (std::array<std::int32_t, 8>{}));
    EXPECT_EQ(s.ReturnToStart, 0);
}

TEST(Sensing, OnlyEightSensorsHaveStatesButTheTenthStillStops) {
    ProgramState s = sensorsAt(100.0f, 100.0f, {});
    s.ReturnToStart = 0;
    for (int x = 0; x < 10; ++x)
        s.RobotGrid.at(x, 3) = kSensor;  // sensor x samples 10x+4 .. 10x+6, rows 34 .. 36
    Raster image(701, 401);
    paint(image, 80, 30, 90, 40, kGrey);  // under the ninth only
    paint(image, 90, 30, 100, 40, kRed);  // under the tenth only
    SenseSensors(s, currentPose(s), image);
    EXPECT_EQ(s.SensorStates, (std::array<std::int32_t, 8>{}));
    EXPECT_EQ(s.ReturnToStart, 1);
    paint(image, 0, 30, 80, 40, kGrey);
    SenseSensors(s, currentPose(s), image);
    EXPECT_EQ(s.SensorStates, (std::array<std::int32_t, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(PlaceAtStart, TheLastStartCellColumnByColumnWinsAndOnlyWhileHeld) {
    ProgramState s = sensorsAt(333.5f, 77.25f, {});
    PlaceAtStart(s);  // held, but no start cell
    EXPECT_EQ(s.RobotPosX, 333.5f);
    EXPECT_EQ(s.RobotPosY, 77.25f);
    s.MapGrid.at(5, 30) = kStart;
    s.MapGrid.at(12, 3) = kStart;
    s.MapGrid.at(70, 1) = kStart;  // column 70 and row 40 are never looked at
    s.MapGrid.at(20, 40) = kStart;
    s.ReturnToStart = 0;
    PlaceAtStart(s);
    EXPECT_EQ(s.RobotPosX, 333.5f);
    s.ReturnToStart = 1;
    s.RobotHeading = 45.0f;
    PlaceAtStart(s);
    EXPECT_EQ(s.RobotPosX, 125.0f);
    EXPECT_EQ(s.RobotPosY, 35.0f);
    EXPECT_EQ(s.RobotHeading, 45.0f);
}
