#pragma once

#include <vector>

#include "track_import/grey_image.h"

namespace vemrik {

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

/// A run of neighbouring pixels; a closed one ends on the pixel it started from.
struct PixelPath {
    std::vector<PixelPoint> points;
    bool closed = false;
};

/// Branches up to this long from a junction to a free end are thinning's whiskers at corners,
/// band ends and bumps of the edge, not track: about the brush's width, which covers them anyway.
inline constexpr int kWhiskerPixels = 10;

/// Follows a skeleton one pixel wide into paths: first from every free end, then around what is
/// left (loops). A path that reaches a pixel another path took ends on it, so the pieces join.
std::vector<PixelPath> tracePaths(const Mask& skeleton);

}  // namespace vemrik
