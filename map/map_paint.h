#pragma once

#include "app/grid.h"
#include "raster/raster.h"

namespace vemrik {

/// The width of the brush every segment is painted with.
inline constexpr int kBrushWidth = 10;

/// The brush segments, oldest first: grey, pen width 10 for each, pen width 0 after each.
/// The map page and the simulation page both paint strokes with this, so sensors read exactly
/// what the map page shows.
void paintStrokes(const Grid& strokes, Raster& image);

/// One brush segment from (x0, y0) to (x1, y1) as paintStrokes draws each entry.
void paintSegment(Raster& image, int x0, int y0, int x1, int y1);

/// The map cells of columns 0 .. 69 and rows 0 .. 39, column by column, as solid 10 x 10
/// squares: line grey, start blue, stop red; empty cells are not painted.
void paintCells(const Grid& map, Raster& image);

/// Those of the cells paintCells paints that reach into the area, in the same colours.
void paintCells(const Grid& map, Raster& image, Area area);

/// The colour a map cell is painted in, or false for a cell that is not painted.
bool cellColour(std::int32_t code, Colour& out);

}  // namespace vemrik
