#include "robot/robot_cells.h"

namespace vemrik {

std::array<FramePoint, 5> samplePoints(const Sensor& s) {
    const float a = static_cast<float>(cellEdge(s.x) + (s.isDouble ? 9 : 4));
    const float b = static_cast<float>(cellEdge(s.y) + 4);
    return {{{a, b}, {a, b + 2.0f}, {a + 2.0f, b + 2.0f}, {a + 2.0f, b}, {a, b}}};
}

std::array<FramePoint, 5> cellOutline(int x, int y) {
    const float l = static_cast<float>(cellEdge(x)), t = static_cast<float>(cellEdge(y));
    return {{{l, t}, {l, t + 10.0f}, {l + 10.0f, t + 10.0f}, {l + 10.0f, t}, {l, t}}};
}

int stateSensorCount(const Grid& robot) {
    int n = 0;
    forEachSensor(robot, [&n](const Sensor&) { ++n; });
    return std::min(n, kSensorSlots);
}

}  // namespace vemrik
