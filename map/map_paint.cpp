#include "map/map_paint.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "app/program_state.h"

namespace vemrik {

void paintSegment(Raster& image, int x0, int y0, int x1, int y1) {
    image.setBrushColour(kGrey);
    image.setPenColour(kGrey);
    image.setPenWidth(kBrushWidth);
    image.moveTo(x0, y0);
    image.lineTo(x1, y1);
    image.setPenWidth(0);
}

void paintStrokes(const Grid& strokes, Raster& image) {
    for (int e = 0; e < strokes.columns(); ++e)
        paintSegment(image, strokes.at(e, 0), strokes.at(e, 1), strokes.at(e, 2), strokes.at(e, 3));
}

bool cellColour(std::int32_t code, Colour& out) {
    switch (code) {
        case kLine:
            out = kGrey;
            return true;
        case kStart:
            out = kBlue;
            return true;
        case kStop:
            out = kRed;
            return true;
        default:
            return false;
    }
}

void paintCells(const Grid& map, Raster& image) { paintCells(map, image, {0, 0, INT_MAX, INT_MAX}); }

void paintCells(const Grid& map, Raster& image, Area area) {
    const auto cellsBefore = [](int edge) {
        return static_cast<int>((std::max<std::int64_t>(edge, 0) + 9) / 10);
    };
    const int columns = std::min(map.columns() - 1, cellsBefore(area.x2));
    const int rows = std::min(map.length(0) - 1, cellsBefore(area.y2));
    Colour c = kWhite;
    for (int cx = std::max(area.x1, 0) / 10; cx < columns; ++cx)
        for (int cy = std::max(area.y1, 0) / 10; cy < rows; ++cy) {
            if (!cellColour(map.at(cx, cy), c)) continue;
            image.setBrushColour(c);
            image.setPenColour(c);
            image.rectangle(10 * cx, 10 * cy, 10 * cx + 10, 10 * cy + 10);
        }
}

}  // namespace vemrik
