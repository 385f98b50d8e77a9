#pragma once

#include <array>

#include "app/grid.h"
#include "app/program_state.h"
#include "robot/pose.h"

namespace vemrik {

/// One sensor of the robot board: a cell of 4, or the left cell of two side-by-side cells of 5.
struct Sensor {
    int x;
    int y;
    bool isDouble;
};

/// The five sample points of a sensor: the corners of its 2 x 2 square, the first again last.
std::array<FramePoint, 5> samplePoints(const Sensor& s);

/// The five corner points of the outline of robot cell [x][y].
std::array<FramePoint, 5> cellOutline(int x, int y);

/// Whether cell [x][y] is a sensor, and which kind.
inline bool sensorAt(const Grid& robot, int x, int y, Sensor& out) {
    const std::int32_t code = robot.at(x, y);
    if (code == kSensor) {
        out = {x, y, false};
        return true;
    }
    if (code == kDoubleHalf && robot.at(x + 1, y) == kDoubleHalf) {
        out = {x, y, true};
        return true;
    }
    return false;
}

/// Visits the sensors in sensor order: rows 0..19 top to bottom, within a row columns 0..19
/// left to right (a double sensor at its left cell).
template <class Visit>
void forEachSensor(const Grid& robot, Visit&& visit) {
    const int rows = robot.length(0) - 1;
    const int cols = robot.columns() - 1;
    Sensor s{};
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < cols; ++x)
            if (sensorAt(robot, x, y, s)) visit(s);
}

}  // namespace vemrik
