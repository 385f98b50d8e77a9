#pragma once

#include <vector>

#include "track_import/skeleton_trace.h"

namespace vemrik {

/// The fewest of the points that keep every dropped point within tolerance pixels of the line
/// through the kept ones (Douglas and Peucker); the first and last point always stay, so a
/// closed path stays closed.
std::vector<PixelPoint> simplifyPath(const std::vector<PixelPoint>& points, double tolerance);

}  // namespace vemrik
