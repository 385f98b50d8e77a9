#include "robot/robot_cells.h"

namespace vemrik {

std::array<FramePoint, 5> samplePoints(const Sensor& s) {
    const float a = static_cast<float>(10 * s.x - (s.isDouble ? 91 : 96));
    const float b = static_cast<float>(10 * s.y - 96);
    return {{{a, b}, {a, b + 2.0f}, {a + 2.0f, b + 2.0f}, {a + 2.0f, b}, {a, b}}};
}

std::array<FramePoint, 5> cellOutline(int x, int y) {
    const float l = static_cast<float>(10 * x - 100), t = static_cast<float>(10 * y - 100);
    return {{{l, t}, {l, t + 10.0f}, {l + 10.0f, t + 10.0f}, {l + 10.0f, t}, {l, t}}};
}

}  // namespace vemrik
