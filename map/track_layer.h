#pragma once

#include "app/grid.h"
#include "map/map_view.h"
#include "raster/raster.h"

namespace vemrik {

/// A page's track layer (field, brush strokes, cells) as last painted, with copies of the strokes
/// and cells it was painted from. After an edit only the box where the two can differ is painted
/// again, with every stroke and cell reaching into it, clipped to it; every pixel and the drawing
/// state come out as a full repaint leaves them.
class TrackLayer {
public:
    explicit TrackLayer(TrackField field) : field_(field) {}

    /// Whether the kept layer was painted from exactly these strokes and cells at this size.
    bool holds(const Grid& strokes, const Grid& cells, const Raster& image) const;
    /// Makes image hold the track layer of strokes and cells, as paintTrackLayer would.
    void paint(const Grid& strokes, const Grid& cells, Raster& image);
    /// The layer as last painted.
    const Raster& kept() const { return layer_; }

private:
    /// Paints straight into the image, so a failure leaves it as a repaint without a layer would.
    void paintWhole(const Grid& strokes, const Grid& cells, Raster& image);
    /// Paints the area of the kept layer again.
    void patch(const Grid& strokes, const Grid& cells, Area area);
    /// Leaves the kept layer's pen and brush as a full repaint ends: the last stroke's pen, the last
    /// painted cell's colour; strokes holds at least one entry.
    void endAsRepainted(const Grid& strokes, const Grid& cells);
    void keep(const Grid& strokes, const Grid& cells);

    TrackField field_;
    Raster layer_{0, 0};
    Grid strokes_;
    Grid cells_;
    bool painted_ = false;
};

}  // namespace vemrik
