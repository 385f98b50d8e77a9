#include "map/map_paint.h"

#include "app/program_state.h"

namespace vemrik {

void paintSegment(Raster& image, int x0, int y0, int x1, int y1) {
    image.setBrushColour(kGrey);
    image.setPenColour(kGrey);
    image.setPenWidth(10);
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
        case kLine: out = kGrey; return true;
        case kStart: out = kBlue; return true;
        case kStop: out = kRed; return true;
        default: return false;
    }
}

void paintCells(const Grid& map, Raster& image) {
    const int columns = map.columns() - 1;
    const int rows = map.length(0) - 1;
    Colour c = kWhite;
    for (int cx = 0; cx < columns; ++cx)
        for (int cy = 0; cy < rows; ++cy) {
            if (!cellColour(map.at(cx, cy), c)) continue;
            image.setBrushColour(c);
            image.setPenColour(c);
            image.rectangle(10 * cx, 10 * cy, 10 * cx + 10, 10 * cy + 10);
        }
}

}  // namespace vemrik
