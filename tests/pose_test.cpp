#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "app/startup.h"
#include "simulation/pose.h"
#include "simulation/sensor_layout.h"

using namespace vemrik;

namespace {
std::vector<Pixel> mapped(const PoseTransform& pose, const std::array<FramePoint, 5>& points) {
    std::vector<Pixel> out;
    for (FramePoint p : points) out.push_back(pose.RobotToMap(p));
    return out;
}
}  // namespace

TEST(Pose, HeadingZeroOnlyShiftsTheBoard) {
    const PoseTransform pose(355.0f, 205.0f, 0.0f);
    EXPECT_EQ(mapped(pose, samplePoints({10, 5, false})),
              (std::vector<Pixel>{{359, 159}, {359, 161}, {361, 161}, {361, 159}, {359, 159}}));
}

TEST(Pose, HeadingThirtyTurnsClockwise) {
    const PoseTransform pose(355.0f, 205.0f, 30.0f);
    EXPECT_EQ(mapped(pose, samplePoints({10, 5, false})),
              (std::vector<Pixel>{{381, 167}, {380, 168}, {382, 169}, {383, 168}, {381, 167}}));
}

TEST(Pose, DoubleSensorSamplesTheSharedEdge) {
    const PoseTransform pose(100.0f, 100.0f, 0.0f);
    EXPECT_EQ(mapped(pose, samplePoints({3, 2, true})),
              (std::vector<Pixel>{{39, 24}, {39, 26}, {41, 26}, {41, 24}, {39, 24}}));
}

TEST(Pose, QuarterTurnsCarryAPointAboveTheCentreToItsSides) {
    const FramePoint above{0.0f, -50.0f};
    EXPECT_EQ(PoseTransform(100.0f, 100.0f, 90.0f).RobotToMap(above), (Pixel{150, 100}));
    EXPECT_EQ(PoseTransform(100.0f, 100.0f, -90.0f).RobotToMap(above), (Pixel{50, 100}));
}

TEST(Pose, TruncationGoesTowardZeroAndNeverOverflows) {
    EXPECT_EQ(truncateToPixel(12.9f), 12);
    EXPECT_EQ(truncateToPixel(-0.7f), 0);
    EXPECT_EQ(truncateToPixel(-1.5f), -1);
    EXPECT_EQ(truncateToPixel(1e30f), INT_MAX);
    EXPECT_EQ(truncateToPixel(-1e30f), INT_MIN);
    EXPECT_EQ(truncateToPixel(std::numeric_limits<float>::quiet_NaN()), INT_MIN);
}

TEST(SensorLayout, SensorsAreNumberedRowsFirst) {
    ProgramState s;
    createState(s);
    s.RobotGrid.at(2, 0) = kSensor;
    s.RobotGrid.at(1, 1) = kSensor;
    s.RobotGrid.at(3, 4) = kSensor;
    s.RobotGrid.at(0, 4) = kDoubleHalf;
    s.RobotGrid.at(1, 4) = kDoubleHalf;
    s.RobotGrid.at(9, 9) = kDoubleHalf;  // alone: no sensor
    s.RobotGrid.at(5, 20) = kSensor;     // row 20 never takes part
    std::vector<std::tuple<int, int, bool>> seen;
    forEachSensor(s.RobotGrid, [&](const Sensor& x) { seen.emplace_back(x.x, x.y, x.isDouble); });
    EXPECT_EQ(seen, (std::vector<std::tuple<int, int, bool>>{
                        {2, 0, false}, {1, 1, false}, {0, 4, true}, {3, 4, false}}));
}

TEST(SensorLayout, ThreeCellsOfFiveMakeTwoDoubleSensorsAndColumnTwentyCompletesOne) {
    ProgramState s;
    createState(s);
    for (int x : {5, 6, 7}) s.RobotGrid.at(x, 6) = kDoubleHalf;
    s.RobotGrid.at(19, 2) = kDoubleHalf;
    s.RobotGrid.at(20, 2) = kDoubleHalf;
    std::vector<std::pair<int, int>> seen;
    forEachSensor(s.RobotGrid, [&](const Sensor& x) { seen.emplace_back(x.x, x.y); });
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{19, 2}, {5, 6}, {6, 6}}));
}
