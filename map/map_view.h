#pragma once

#include "app/grid.h"
#include "raster/raster.h"

namespace vemrik {

/// What lies under the strokes: plain white, or white with a black dot at the top-left pixel of
/// every board cell, as the map page shows it.
enum class TrackField { kPlain, kDotted };

/// The whole map page image from scratch, no caching: white, the dot grid, the brush segments,
/// then the cells of columns 0 .. 69 and rows 0 .. 39. Leaves a one-pixel pen.
void paintMapView(const Grid& map, const Grid& strokes, Raster& image);

/// A track layer from scratch: the field, the brush segments, then the cells.
void paintTrackLayer(TrackField field, const Grid& strokes, const Grid& map, Raster& image);

/// White over the whole image (as far as its clip lets) and, for a dotted field, the dots that
/// lie inside the area.
void paintField(Raster& image, TrackField field, Area area);

}  // namespace vemrik
