#pragma once

#include <cstdint>

namespace vemrik {

/// A map pixel.
struct Pixel {
    int x;
    int y;
    bool operator==(const Pixel&) const = default;
};

/// A robot-frame point: x right, y down, origin at pixel (100, 100) of the robot board.
struct FramePoint {
    float x;
    float y;
};

/// Degrees to radians the way every page does it: deg * pi * (1/180), rounded to single.
float degreesToRadians(float degrees);

/// Truncation toward zero that saturates at the int range and sends NaN far off every image,
/// so no pose, however wild, reaches undefined behaviour.
int truncateToPixel(float v);

/// The pose of one redraw: angle worked out once, sine and cosine taken in double precision.
class PoseTransform {
public:
    PoseTransform(float posX, float posY, float headingDegrees);
    /// RobotToMap: where a robot-frame point lies on the map for this pose.
    Pixel RobotToMap(FramePoint p) const;

private:
    float posX_;
    float posY_;
    double sin_;
    double cos_;
};

}  // namespace vemrik
