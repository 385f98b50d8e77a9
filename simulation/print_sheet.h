#pragma once

#include "raster/raster.h"
#include "simulation/print_tiles.h"
#include "simulation/printed_track.h"

namespace vemrik {

/// One sheet's printable area as pixels, `scale` of them across a map pixel: the track's picture
/// nearest pixel, white past its edges, and the start ("S") and stop (a cross) marks outlined in
/// their cells. A browser or any other printer lays it at the layout's millimetres.
Raster sheetPixels(const PrintedTrack& track, const PrintLayout& layout, const PrintTile& tile, int scale);

}  // namespace vemrik
