#include "map/track_layer.h"

#include "map/map_paint.h"
#include "map/track_changes.h"

namespace vemrik {

namespace {

bool overlaps(Area a, Area b) { return a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2; }

/// The colour of the cell paintCells paints last, if any is painted.
bool lastCellColour(const Grid& map, Colour& c) {
    for (int cx = map.columns() - 2; cx >= 0; --cx)
        for (int cy = map.length(0) - 2; cy >= 0; --cy)
            if (cellColour(map.at(cx, cy), c)) return true;
    return false;
}

/// Lifts a raster's clip however the painting inside ends.
class ClipScope {
public:
    ClipScope(Raster& image, Area area) : image_(image) { image.setClip(area); }
    ~ClipScope() { image_.clearClip(); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    Raster& image_;
};

}  // namespace

bool TrackLayer::holds(const Grid& strokes, const Grid& cells, const Raster& image) const {
    return painted_ && layer_.width() == image.width() && layer_.height() == image.height() &&
           cells_ == cells && strokes_ == strokes;
}

void TrackLayer::paint(const Grid& strokes, const Grid& cells, Raster& image) {
    // Without strokes a repaint leaves the pen as the image had it, which the layer cannot know.
    if (!painted_ || layer_.width() != image.width() || layer_.height() != image.height() ||
        strokes.columns() == 0)
        return paintWhole(strokes, cells, image);
    const TrackChange change = trackChange(strokes_, cells_, strokes, cells, image.width(), image.height());
    if (change.whole) return paintWhole(strokes, cells, image);
    if (change.changed) {
        painted_ = false;
        if (change.area.x1 < change.area.x2) patch(strokes, cells, change.area);
        endAsRepainted(strokes, cells);
        keep(strokes, cells);
    }
    image.copyFrom(layer_);
}

void TrackLayer::paintWhole(const Grid& strokes, const Grid& cells, Raster& image) {
    painted_ = false;
    paintTrackLayer(field_, strokes, cells, image);
    layer_.copyFrom(image);
    keep(strokes, cells);
}

void TrackLayer::patch(const Grid& strokes, const Grid& cells, Area area) {
    const ClipScope clip(layer_, area);
    paintField(layer_, field_, area);
    for (int e = 0; e < strokes.columns(); ++e) {
        const auto s = strokes.column(e);
        if (s.size() >= 4 &&
            overlaps(area, strokeArea(s[0], s[1], s[2], s[3], layer_.width(), layer_.height())))
            paintSegment(layer_, s[0], s[1], s[2], s[3]);
    }
    paintCells(cells, layer_, area);
}

void TrackLayer::endAsRepainted(const Grid& strokes, const Grid& cells) {
    // The drawing state a full repaint ends with: the last stroke's pen, then the last cell's colour.
    const int last = strokes.columns() - 1;
    layer_.moveTo(strokes.at(last, 2), strokes.at(last, 3));
    layer_.setPenWidth(0);
    Colour c = kGrey;
    lastCellColour(cells, c);
    layer_.setBrushColour(c);
    layer_.setPenColour(c);
}

void TrackLayer::keep(const Grid& strokes, const Grid& cells) {
    // Assignment keeps the storage of equal shapes: a changed cell costs no allocation.
    strokes_ = strokes;
    cells_ = cells;
    painted_ = true;
}

}  // namespace vemrik
