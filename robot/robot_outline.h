#pragma once

#include <array>

#include "raster/raster.h"
#include "robot/pose.h"

namespace vemrik {

/// MoveTo the first point, then LineTo the other four, each carried onto the map by the pose;
/// in the image's current pen colour and width.
void drawTurned(Raster& image, const PoseTransform& pose, const std::array<FramePoint, 5>& points);

}  // namespace vemrik
