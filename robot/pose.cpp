#include "robot/pose.h"

#include <cmath>
#include <limits>

namespace vemrik {

float degreesToRadians(float degrees) {
    return static_cast<float>(static_cast<double>(degrees) * 3.141592653589793 * (1.0 / 180.0));
}

int truncateToPixel(float v) {
    if (std::isnan(v)) return std::numeric_limits<int>::min();
    if (v >= 2147483648.0f) return std::numeric_limits<int>::max();
    if (v < -2147483648.0f) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

PoseTransform::PoseTransform(float posX, float posY, float headingDegrees) : posX_(posX), posY_(posY) {
    const double a = degreesToRadians(headingDegrees);
    sin_ = std::sin(a);
    cos_ = std::cos(a);
}

Pixel PoseTransform::RobotToMap(FramePoint p) const {
    const float xr = static_cast<float>(cos_ * p.x - sin_ * p.y);
    const float yr = static_cast<float>(sin_ * p.x + cos_ * p.y);
    const float xm = xr + posX_;
    const float ym = yr + posY_;
    return {truncateToPixel(xm), truncateToPixel(ym)};
}

}  // namespace vemrik
