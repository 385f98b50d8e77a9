#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "app/grid.h"
#include "map/map_paint.h"
#include "raster/raster.h"

namespace vemrik {

/// Where a track layer painted from one set of strokes and cells can differ from one painted
/// from another.
struct TrackChange {
    /// Nothing short of painting it all again will do (the cells changed shape, or a stroke entry
    /// is not four numbers).
    bool whole = false;
    /// Whether the strokes, and the cells, differ at all, even where no pixel can show it.
    bool strokesChanged = false;
    bool cellsChanged = false;
    /// The stroke entries first .. end - 1 hold every difference in the strokes.
    int firstStroke = 0;
    int endStroke = 0;
    /// Otherwise every pixel that can differ lies in here, clipped to the image; empty (x1 >= x2)
    /// when none can.
    Area area{0, 0, 0, 0};
};

/// How far past its end points a brush segment can cover pixels: half the brush, and one pixel
/// more for rounding.
inline constexpr std::int64_t kStrokeReach = kBrushWidth / 2 + 1;

/// The pixels a brush segment can cover, clipped to a width x height image.
Area strokeArea(int x0, int y0, int x1, int y1, int width, int height);

/// Whether stroke entry s (four numbers at least) can cover a pixel of the area.
inline bool strokeReaches(std::span<const std::int32_t> s, Area a) {
    return std::min<std::int64_t>(s[0], s[2]) - kStrokeReach < a.x2 &&
           std::max<std::int64_t>(s[0], s[2]) + kStrokeReach + 1 > a.x1 &&
           std::min<std::int64_t>(s[1], s[3]) - kStrokeReach < a.y2 &&
           std::max<std::int64_t>(s[1], s[3]) + kStrokeReach + 1 > a.y1;
}

/// Compares the strokes and cells a layer was painted from with new ones: the squares of changed
/// cells and the reach of every stroke entry that was added, removed or changed, as one box.
TrackChange trackChange(const Grid& oldStrokes, const Grid& oldCells, const Grid& strokes, const Grid& cells,
                        int width, int height);

}  // namespace vemrik
