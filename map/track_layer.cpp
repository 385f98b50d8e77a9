#include "map/track_layer.h"

#include <algorithm>

#include "map/map_paint.h"
#include "map/track_changes.h"

namespace vemrik {

namespace {

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

Area TrackLayer::update(const Grid& strokes, const Grid& cells, std::uint64_t version, int width,
                        int height) {
    const bool sameSize = layer_.width() == width && layer_.height() == height;
    if (painted_ && sameSize && version == version_ && version != 0) return {0, 0, 0, 0};
    version_ = 0;  // until painted: a throw below leaves the layer unknown
    const Area area = changedArea(strokes, cells, width, height);
    version_ = version;
    return area;
}

Area TrackLayer::changedArea(const Grid& strokes, const Grid& cells, int width, int height) {
    if (!painted_ || layer_.width() != width || layer_.height() != height)
        return paintWhole(strokes, cells, width, height);
    const TrackChange change = trackChange(strokes_, cells_, strokes, cells, width, height);
    if (change.whole) return paintWhole(strokes, cells, width, height);
    if (!change.strokesChanged && !change.cellsChanged) return change.area;
    painted_ = false;
    if (change.area.x1 < change.area.x2) patch(strokes, cells, change.area);
    endAsRepainted(strokes, cells);
    // Only what changed is copied, into storage kept: a changed cell costs no allocation.
    if (change.strokesChanged) keepStrokes(strokes, change.firstStroke, change.endStroke);
    if (change.cellsChanged) cells_ = cells;
    painted_ = true;
    return change.area;
}

void TrackLayer::copyTo(Raster& image, Area area) const {
    // Without strokes a repaint leaves the pen as the image had it.
    const int penWidth = image.penWidth(), penX = image.penX(), penY = image.penY();
    image.copyFrom(layer_, area);
    if (strokes_.columns() != 0) return;
    image.setPenWidth(penWidth);
    image.moveTo(penX, penY);
}

void TrackLayer::paint(const Grid& strokes, const Grid& cells, std::uint64_t version, Raster& image) {
    update(strokes, cells, version, image.width(), image.height());
    copyTo(image, {0, 0, image.width(), image.height()});
}

Area TrackLayer::paintWhole(const Grid& strokes, const Grid& cells, int width, int height) {
    painted_ = false;
    if (layer_.width() != width || layer_.height() != height) layer_ = Raster(width, height);
    paintTrackLayer(field_, strokes, cells, layer_);
    strokes_ = strokes;
    cells_ = cells;
    painted_ = true;
    return {0, 0, width, height};
}

void TrackLayer::keepStrokes(const Grid& strokes, int first, int end) {
    strokes_.setColumns(strokes.columns());
    for (int e = first; e < std::min(end, strokes.columns()); ++e) {
        const auto entry = strokes.column(e);
        strokes_.setLength(e, static_cast<int>(entry.size()));
        for (int k = 0; k < static_cast<int>(entry.size()); ++k)
            strokes_.at(e, k) = entry[static_cast<std::size_t>(k)];
    }
}

void TrackLayer::patch(const Grid& strokes, const Grid& cells, Area area) {
    const ClipScope clip(layer_, area);
    paintField(layer_, field_, area);
    for (int e = 0; e < strokes.columns(); ++e) {
        const auto s = strokes.column(e);
        if (s.size() >= 4 && strokeReaches(s, area)) paintSegment(layer_, s[0], s[1], s[2], s[3]);
    }
    paintCells(cells, layer_, area);
}

void TrackLayer::endAsRepainted(const Grid& strokes, const Grid& cells) {
    const int last = strokes.columns() - 1;
    if (last >= 0) {
        layer_.moveTo(strokes.at(last, 2), strokes.at(last, 3));
        layer_.setPenWidth(0);
    }
    Colour c = last >= 0 ? kGrey : kWhite;
    lastCellColour(cells, c);
    layer_.setBrushColour(c);
    layer_.setPenColour(c);
}

}  // namespace vemrik
