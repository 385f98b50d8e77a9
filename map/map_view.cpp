#include "map/map_view.h"

#include <algorithm>

#include "map/map_paint.h"

namespace vemrik {

namespace {

/// The first multiple of 10 at or after v, for v >= 0.
int nextTen(int v) { return (v + 9) / 10 * 10; }

}  // namespace

void paintField(Raster& image, TrackField field, Area area) {
    const int w = image.width(), h = image.height();
    image.setBrushColour(kWhite);
    image.setPenColour(kWhite);
    image.rectangle(0, 0, w + 1, h + 1);
    if (field == TrackField::kPlain) return;
    const int x2 = std::min(area.x2, w), y2 = std::min(area.y2, h);
    for (int x = nextTen(std::max(area.x1, 0)); x < x2; x += 10)
        for (int y = nextTen(std::max(area.y1, 0)); y < y2; y += 10) image.setPixel(x, y, kBlack);
}

void paintTrackLayer(TrackField field, const Grid& strokes, const Grid& map, Raster& image) {
    paintField(image, field, {0, 0, image.width(), image.height()});
    paintStrokes(strokes, image);
    paintCells(map, image);
}

void paintMapView(const Grid& map, const Grid& strokes, Raster& image) {
    paintTrackLayer(TrackField::kDotted, strokes, map, image);
}

}  // namespace vemrik
