#include "map/map_view.h"

#include "map/map_paint.h"

namespace vemrik {

void paintMapField(Raster& image) {
    const int w = image.width(), h = image.height();
    image.setBrushColour(kWhite);
    image.setPenColour(kWhite);
    image.rectangle(0, 0, w + 1, h + 1);
    for (int x = 0; x < w; x += 10)
        for (int y = 0; y < h; y += 10) image.setPixel(x, y, kBlack);
}

void paintMapView(const Grid& map, const Grid& strokes, Raster& image) {
    paintMapField(image);
    paintStrokes(strokes, image);
    paintCells(map, image);
}

}  // namespace vemrik
