#include "robot/pose.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include "app/startup.h"
#include "robot/robot_cells.h"

using namespace vemrik;

using Ints = std::vector<int>;

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
