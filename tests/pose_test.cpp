#include "robot/pose.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <tuple>
#include <vector>

#include "app/startup.h"
#include "robot/robot_cells.h"

using namespace vemrik;

TEST(Pose, SamplePointsLandWhereWorkedOutByHand) {
    const struct {
        float x, y, heading;
        Sensor sensor;
        std::vector<Pixel> want;
    } cases[] = {
        // Heading 0 only shifts the board: sensor [10][5] samples 4 .. 6 from (355, 205) less 100.
        {355, 205, 0, {10, 5, false}, {{359, 159}, {359, 161}, {361, 161}, {361, 159}, {359, 159}}},
        // Heading 30 turns clockwise about the pose.
        {355, 205, 30, {10, 5, false}, {{381, 167}, {380, 168}, {382, 169}, {383, 168}, {381, 167}}},
        // A double sensor samples the edge its two cells share.
        {100, 100, 0, {3, 2, true}, {{39, 24}, {39, 26}, {41, 26}, {41, 24}, {39, 24}}},
    };
    for (const auto& c : cases) {
        const PoseTransform pose(c.x, c.y, c.heading);
        std::vector<Pixel> got;
        for (FramePoint p : samplePoints(c.sensor)) got.push_back(pose.RobotToMap(p));
        EXPECT_EQ(got, c.want) << "heading " << c.heading;
    }
    // Quarter turns carry a point above the centre to its right and left.
    EXPECT_EQ(PoseTransform(100, 100, 90).RobotToMap({0, -50}), (Pixel{150, 100}));
    EXPECT_EQ(PoseTransform(100, 100, -90).RobotToMap({0, -50}), (Pixel{50, 100}));
}

TEST(Pose, TruncationGoesTowardZeroAndNeverOverflows) {
    EXPECT_EQ(truncateToPixel(12.9f), 12);
    EXPECT_EQ(truncateToPixel(-0.7f), 0);
    EXPECT_EQ(truncateToPixel(-1.5f), -1);
    EXPECT_EQ(truncateToPixel(2147483648.0f), INT_MAX);
    EXPECT_EQ(truncateToPixel(-2147483648.0f), INT_MIN);
    EXPECT_EQ(truncateToPixel(-1e30f), INT_MIN);
    EXPECT_EQ(truncateToPixel(std::numeric_limits<float>::quiet_NaN()), INT_MIN);
}

TEST(SensorLayout, SensorsAreNumberedRowsFirstAndDoubleOnlyInPairs) {
    ProgramState s;
    createState(s);
    Grid& g = s.RobotGrid;
    g.at(2, 0) = g.at(1, 1) = g.at(3, 4) = kSensor;
    g.at(0, 4) = g.at(1, 4) = kDoubleHalf;
    g.at(9, 9) = kDoubleHalf;                            // alone: no sensor
    g.at(5, 20) = kSensor;                               // row 20 never takes part
    g.at(19, 2) = g.at(20, 2) = kDoubleHalf;             // column 20 completes a pair
    g.at(5, 6) = g.at(6, 6) = g.at(7, 6) = kDoubleHalf;  // three halves make two sensors
    std::vector<std::tuple<int, int, bool>> seen;
    forEachSensor(g, [&](const Sensor& x) { seen.emplace_back(x.x, x.y, x.isDouble); });
    EXPECT_EQ(seen, (std::vector<std::tuple<int, int, bool>>{{2, 0, false},
                                                             {1, 1, false},
                                                             {19, 2, true},
                                                             {0, 4, true},
                                                             {3, 4, false},
                                                             {5, 6, true},
                                                             {6, 6, true}}));
}
