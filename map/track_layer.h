#pragma once

#include <cstdint>

#include "app/grid.h"
#include "map/map_view.h"
#include "raster/raster.h"

namespace vemrik {

/// A page's track layer (field, brush strokes, cells) as last painted, with the version of the
/// track it was painted from. While the version stays, the layer is taken as it is; once it
/// moves, the strokes and cells are compared with copies of those painted, only to find the box
/// where the two can differ, and that box is painted again with every stroke and cell reaching
/// into it, clipped to it; every pixel and the drawing state come out as a full repaint leaves
/// them.
class TrackLayer {
public:
    explicit TrackLayer(TrackField field) : field_(field) {}

    /// Brings the kept layer up to date with strokes and cells of this version at this size; the
    /// area where it changed (empty when it did not). A version of 0 is never taken as known.
    Area update(const Grid& strokes, const Grid& cells, std::uint64_t version, int width, int height);
    /// Puts the area of the kept layer into image, of its size, with the drawing state a repaint
    /// into image would leave.
    void copyTo(Raster& image, Area area) const;
    /// The kept layer as the last update left it.
    const Raster& raster() const { return layer_; }
    /// Makes image hold the track layer of strokes and cells of this version, as paintTrackLayer
    /// would.
    void paint(const Grid& strokes, const Grid& cells, std::uint64_t version, Raster& image);

private:
    /// Compares with the copies kept and paints what differs.
    Area changedArea(const Grid& strokes, const Grid& cells, int width, int height);
    Area paintWhole(const Grid& strokes, const Grid& cells, int width, int height);
    /// Takes over the stroke entries first .. end - 1 and the number of entries.
    void keepStrokes(const Grid& strokes, int first, int end);
    /// Paints the area of the kept layer again.
    void patch(const Grid& strokes, const Grid& cells, Area area);
    /// Leaves the kept layer's pen and brush as a full repaint ends: the last stroke's pen, the
    /// last painted cell's colour.
    void endAsRepainted(const Grid& strokes, const Grid& cells);

    TrackField field_;
    Raster layer_{0, 0};
    Grid strokes_;
    Grid cells_;
    std::uint64_t version_ = 0;
    bool painted_ = false;
};

}  // namespace vemrik
