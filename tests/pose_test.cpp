#include "robot/pose.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "app/startup.h"
#include "robot/robot_cells.h"

using namespace vemrik;

using Ints = std::vector<int>;

// Heading 30 turns clockwise about the pose: sensor [10][5] samples the corners of 4 .. 6 less 100.
TEST(Pose, SamplePointsLandWhereWorkedOutByHand) {
    const PoseTransform pose(355, 205, 30);
    Ints got;
    for (FramePoint p : samplePoints({10, 5, false}))
        got.insert(got.end(), {pose.robotToMap(p).x, pose.robotToMap(p).y});
    EXPECT_EQ(got, (Ints{381, 167, 380, 168, 382, 169, 383, 168, 381, 167}));
}

TEST(Pose, TruncationGoesTowardZeroAndNeverOverflows) {
    const float in[] = {12.9f, -0.7f, -1.5f, 2147483648.0f, -2147483648.0f, -1e30f, NAN};
    const int want[] = {12, 0, -1, INT_MAX, INT_MIN, INT_MIN, INT_MIN};
    for (std::size_t i = 0; i < std::size(in); ++i) EXPECT_EQ(truncateToPixel(in[i]), want[i]) << in[i];
}

TEST(SensorLayout, SensorsAreNumberedRowsFirstDoubleOnlyInPairsAndTheFirstEightHaveAState) {
    ProgramState s;
    createState(s);
    Grid& g = s.RobotGrid;
    g.at(2, 0) = g.at(1, 1) = g.at(3, 4) = kSensor;
    g.at(0, 4) = g.at(1, 4) = kDoubleHalf;
    g.at(9, 9) = kDoubleHalf;                            // alone: no sensor
    g.at(5, 20) = kSensor;                               // row 20 never takes part
    g.at(19, 2) = g.at(20, 2) = kDoubleHalf;             // column 20 completes a pair
    g.at(5, 6) = g.at(6, 6) = g.at(7, 6) = kDoubleHalf;  // three halves make two sensors
    Ints seen;                                           // x, y and whether double, of each sensor in turn
    forEachSensor(g, [&](const Sensor& x) { seen.insert(seen.end(), {x.x, x.y, x.isDouble}); });
    EXPECT_EQ(seen, (Ints{2, 0, 0, 1, 1, 0, 19, 2, 1, 0, 4, 1, 3, 4, 0, 5, 6, 1, 6, 6, 1}));
    EXPECT_EQ(stateSensorCount(g), 7);
    g.at(0, 12) = g.at(1, 12) = kSensor;  // only the first eight of nine have a state
    EXPECT_EQ(stateSensorCount(g), 8);
}

// The evaluation turns its points many at a time; each must come out as turned() gives it.
TEST(Pose, TurningManyPointsAtOnceGivesTheFloatsOfTurningEach) {
    std::vector<float> x, y;
    for (int i = 0; i < 41; ++i) {  // an odd count: the last point goes alone
        x.push_back(-100.0f + 4.7f * static_cast<float>(i));
        y.push_back(93.0f - 4.3f * static_cast<float>(i));
    }
    std::vector<float> tx(x.size()), ty(x.size());
    for (const float heading : {0.0f, 30.0f, -17.25f, 90.0f, 359.9f, 1234.5f, 1e7f}) {
        const PoseTransform pose(0.0f, 0.0f, heading);
        pose.turnedAll(x.data(), y.data(), tx.data(), ty.data(), x.size());
        for (std::size_t i = 0; i < x.size(); ++i) {
            const FramePoint t = pose.turned({x[i], y[i]});
            ASSERT_EQ(std::memcmp(&t.x, &tx[i], sizeof t.x), 0) << heading << " " << i;
            ASSERT_EQ(std::memcmp(&t.y, &ty[i], sizeof t.y), 0) << heading << " " << i;
        }
    }
}
