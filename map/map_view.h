#pragma once

#include "app/grid.h"
#include "raster/raster.h"

namespace vemrik {

/// The whole map page image from scratch, no caching: white, the dot grid, the brush segments,
/// then the cells of columns 0 .. 69 and rows 0 .. 39. Leaves a one-pixel pen.
void paintMapView(const Grid& map, const Grid& strokes, Raster& image);

/// White over the whole image and a black dot at every multiple of 10 inside it, column by
/// column: the top-left pixel of every board cell.
void paintMapField(Raster& image);

}  // namespace vemrik
