#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

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

/// Columns and rows of the robot board that are drawn and sensed: the last of each never is.
inline constexpr int kDrawnCells = kRobotCells - 1;

/// Robot-frame x of the left edge of column x (the same for y and rows): the reference point is
/// the corner of cell [10][10].
inline constexpr int cellEdge(int x) { return 10 * x - 100; }

/// A drawn cell of the robot board with its code; for a sensor (a cell of 4, or the left cell
/// of a double sensor) also the sensor.
struct RobotCell {
    int x;
    int y;
    std::int32_t code;
    bool isSensor;
    Sensor sensor;
};

enum class CellOrder { ColumnByColumn, RowByRow };

/// Visits every drawn cell in the order given; later cells are drawn over earlier ones.
template <class Visit>
void forEachDrawnCell(const Grid& robot, CellOrder order, Visit&& visit) {
    const int columns = std::min(robot.columns(), kDrawnCells);
    const int rows = std::min(robot.length(0), kDrawnCells);
    const bool byRow = order == CellOrder::RowByRow;
    const int outer = byRow ? rows : columns, inner = byRow ? columns : rows;
    for (int a = 0; a < outer; ++a)
        for (int b = 0; b < inner; ++b) {
            RobotCell c{byRow ? b : a, byRow ? a : b, 0, false, {}};
            c.code = robot.at(c.x, c.y);
            c.isSensor = sensorAt(robot, c.x, c.y, c.sensor);
            visit(c);
        }
}

/// Visits the sensors in sensor order: rows top to bottom, within a row columns left to right
/// (a double sensor at its left cell).
template <class Visit>
void forEachSensor(const Grid& robot, Visit&& visit) {
    forEachDrawnCell(robot, CellOrder::RowByRow, [&](const RobotCell& c) {
        if (c.isSensor) visit(c.sensor);
    });
}

/// Sensors that get a state: the first eight in sensor order.
int stateSensorCount(const Grid& robot);

}  // namespace vemrik
