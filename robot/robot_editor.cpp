#include "robot/robot_editor.h"

#include "robot/robot_view.h"

namespace vemrik {

namespace {
/// Pointer pixel to board cell; C++ division truncates toward zero as the board expects.
int cellOf(int pixel) { return pixel / 10; }
}  // namespace

bool writeRobotTool(Grid& robot, std::int32_t tool, int x, int y, bool press) {
    const int i = cellOf(x), j = cellOf(y);
    bool changed = false;
    const auto write = [&](int cx, int cy, std::int32_t code) {
        std::int32_t& cell = robot.at(cx, cy);
        changed = changed || cell != code;
        cell = code;
    };
    if (tool == kToolBody) write(i, j, kBody);
    if (tool == kToolErase) write(i, j, kRobotEmpty);
    if (tool == kToolWheel) write(i, j, kWheel);
    if (tool == kToolSensor) write(i, j, kSensor);
    if (tool == kToolDoubleSensor) {
        write(i, j, kDoubleHalf);
        if (press) write(i + 1, j, kDoubleHalf);
    }
    return changed;
}

bool pressRobot(ProgramState& s, std::int32_t tool, int x, int y) {
    return writeRobotTool(s.RobotGrid, tool, x, y, true);
}

void paintRobotPreview(Raster& image, std::int32_t tool, int x, int y) {
    const int x0 = 10 * cellOf(x), y0 = 10 * cellOf(y);
    switch (tool) {
        case kToolBody:
            paintSolid(image, kGrey, x0, y0, x0 + 10, y0 + 10);
            break;
        case kToolErase:
            paintSolid(image, kWhite, x0, y0, x0 + 10, y0 + 10);
            break;
        case kToolWheel:
            paintSolid(image, kBlack, x0, y0, x0 + 10, y0 + 10);
            break;
        case kToolSensor:
            paintSingleSensor(image, x0, y0);
            break;
        case kToolDoubleSensor:
            paintDoubleSensor(image, x0, y0);
            break;
        default:
            break;
    }
}

}  // namespace vemrik
