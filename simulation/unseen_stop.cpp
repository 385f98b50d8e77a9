#include "simulation/unseen_stop.h"

#include "robot/pose.h"
#include "robot/robot_cells.h"

namespace vemrik {

namespace {

bool onStopCell(const Grid& map, Pixel p) {
    if (p.x < 0 || p.y < 0) return false;
    const int cx = p.x / 10, cy = p.y / 10;
    return cx < map.columns() && cy < map.length(cx) && map.at(cx, cy) == kStop;
}

FramePoint cellMiddle(int x, int y) {
    return {static_cast<float>(cellEdge(x)) + 5.0f, static_cast<float>(cellEdge(y)) + 5.0f};
}

}  // namespace

bool stopPassedUnseen(const ProgramState& s) {
    return stopPassedUnseen(s.RobotGrid, s.MapGrid, s.RobotPosX, s.RobotPosY, s.RobotHeading);
}

bool stopPassedUnseen(const Grid& robot, const Grid& map, float x, float y, float heading) {
    const PoseTransform pose(x, y, heading);
    bool bodyOver = false, sensorOn = false;
    forEachDrawnCell(robot, CellOrder::RowByRow, [&](const RobotCell& c) {
        if (c.isSensor) {
            for (const FramePoint p : samplePoints(c.sensor)) sensorOn |= onStopCell(map, pose.robotToMap(p));
        } else if (c.code == kBody || c.code == kWheel) {
            bodyOver |= onStopCell(map, pose.robotToMap(cellMiddle(c.x, c.y)));
        }
    });
    return bodyOver && !sensorOn;
}

}  // namespace vemrik
