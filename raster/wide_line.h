#pragma once

#include <climits>
#include <cstdint>

#include "raster/colours.h"

namespace vemrik {

/// The widest pen drawn as asked; a wider one is drawn this wide. Beyond it the exact coverage
/// test would overflow, and no page comes anywhere near it.
inline constexpr int kMaxPenWidth = 1 << 20;

/// Row-major pixels, width * height of them, that a wide line is painted into; only columns
/// left .. right - 1 of rows top .. bottom - 1 are painted.
struct PixelRows {
    std::uint32_t* pixels;
    int width;
    int height;
    int left = 0;
    int top = 0;
    int right = INT_MAX;
    int bottom = INT_MAX;
};

/// Paints in colour c every pixel whose centre lies within w / 2 of the segment (x0, y0)-(x1, y1),
/// both end points taken as points of the plane (round caps), clipped to the image and its clip; each covered
/// row is found exactly in integers and filled as one span. w is at least 2.
void paintWideLine(PixelRows image, int x0, int y0, int x1, int y1, int w, Colour c);

}  // namespace vemrik
