#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

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
inline int truncateToPixel(float v) {
    // -2^31 - 256 is the float below -2^31. NaN fails both comparisons.
    if (v > -2147483904.0f && v < 2147483648.0f) return static_cast<int>(v);
    return v >= 2147483648.0f ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
}

/// The pose of one redraw: angle worked out once, sine and cosine taken in double precision.
/// robotToMap is two halves: turning the point by the heading (the same for every position), then
/// moving it to the position and truncating it to its pixel.
class PoseTransform {
public:
    PoseTransform(float posX, float posY, float headingDegrees);
    /// robotToMap: where a robot-frame point lies on the map for this pose.
    Pixel robotToMap(FramePoint p) const { return placeTurned(turned(p), posX_, posY_); }

    /// The first half of robotToMap: the point turned about the reference point, in single.
    FramePoint turned(FramePoint p) const {
        return {static_cast<float>(cos_ * p.x - sin_ * p.y), static_cast<float>(sin_ * p.x + cos_ * p.y)};
    }
    /// turned() for n points at once, given and returned coordinate by coordinate.
    void turnedAll(const float* x, const float* y, float* turnedX, float* turnedY, std::size_t n) const;
    /// The second half: a turned point moved to the position (posX, posY), and its pixel.
    static Pixel placeTurned(FramePoint t, float posX, float posY) {
        return {truncateToPixel(t.x + posX), truncateToPixel(t.y + posY)};
    }

private:
    float posX_;
    float posY_;
    double sin_;
    double cos_;
};

}  // namespace vemrik
