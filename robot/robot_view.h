#pragma once

#include <cstdint>

#include "app/grid.h"
#include "raster/raster.h"

namespace vemrik {

/// The robot board from scratch: field, cross, dot lattice, then the cells of columns and rows
/// 0 .. 19. Returns the number of sensors drawn (cells of 4, and cells of 5 with a 5 to the right).
std::int32_t paintRobotView(const Grid& robot, Raster& image);

/// White field, grey centre cross and a black dot every 10 pixels, over the whole image.
void paintRobotField(Raster& image);

/// A solid rectangle x1 .. x2-1 by y1 .. y2-1, brush and pen both in colour c.
void paintSolid(Raster& image, Colour c, int x1, int y1, int x2, int y2);

/// The single sensor at cell origin (x0, y0): grey square, red 2 x 2 dot in its middle.
void paintSingleSensor(Raster& image, int x0, int y0);

/// The double sensor whose left cell starts at (x0, y0): grey over both cells, red dot on
/// their common border.
void paintDoubleSensor(Raster& image, int x0, int y0);

}  // namespace vemrik
