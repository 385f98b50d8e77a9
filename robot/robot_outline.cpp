#include "robot/robot_outline.h"

namespace vemrik {

void drawTurned(Raster& image, const PoseTransform& pose, const std::array<FramePoint, 5>& points) {
    const Pixel first = pose.robotToMap(points[0]);
    image.moveTo(first.x, first.y);
    for (std::size_t k = 1; k < points.size(); ++k) {
        const Pixel p = pose.robotToMap(points[k]);
        image.lineTo(p.x, p.y);
    }
}

}  // namespace vemrik
