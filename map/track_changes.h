#pragma once

#include "app/grid.h"
#include "raster/raster.h"

namespace vemrik {

/// Where a track layer painted from one set of strokes and cells can differ from one painted
/// from another.
struct TrackChange {
    /// Nothing short of painting it all again will do (the cells changed shape, or a stroke entry
    /// is not four numbers).
    bool whole = false;
    /// Whether the strokes or cells differ at all, even where no pixel can show it.
    bool changed = false;
    /// Otherwise every pixel that can differ lies in here, clipped to the image; empty (x1 >= x2)
    /// when none can.
    Area area{0, 0, 0, 0};
};

/// The pixels a brush segment can cover, clipped to a width x height image.
Area strokeArea(int x0, int y0, int x1, int y1, int width, int height);

/// Compares the strokes and cells a layer was painted from with new ones: the squares of changed
/// cells and the reach of every stroke entry that was added, removed or changed, as one box.
TrackChange trackChange(const Grid& oldStrokes, const Grid& oldCells, const Grid& strokes, const Grid& cells,
                        int width, int height);

}  // namespace vemrik
