#include "robot/robot_view.h"

#include "app/program_state.h"
#include "robot/robot_cells.h"

namespace vemrik {

namespace {
constexpr int kCell = 10;
}  // namespace

void paintSolid(Raster& image, Colour c, int x1, int y1, int x2, int y2) {
    image.setBrushColour(c);
    image.setPenColour(c);
    image.rectangle(x1, y1, x2, y2);
}

void paintSingleSensor(Raster& image, int x0, int y0) {
    paintSolid(image, kGrey, x0, y0, x0 + 10, y0 + 10);
    paintSolid(image, kRed, x0 + 4, y0 + 4, x0 + 6, y0 + 6);
}

void paintDoubleSensor(Raster& image, int x0, int y0) {
    paintSolid(image, kGrey, x0, y0, x0 + 20, y0 + 10);
    paintSolid(image, kRed, x0 + 9, y0 + 4, x0 + 11, y0 + 6);
}

void paintRobotField(Raster& image) {
    const int w = image.width(), h = image.height();
    paintSolid(image, kWhite, 0, 0, w + 1, h + 1);
    image.setBrushColour(kGrey);
    image.setPenColour(kGrey);
    image.moveTo((w - 1) / 2, 0);
    image.lineTo((w - 1) / 2, h);
    image.moveTo(0, (h - 1) / 2);
    image.lineTo(w, (h - 1) / 2);
    for (int x = 0; x < w; x += kCell)
        for (int y = 0; y < h; y += kCell) image.setPixel(x, y, kBlack);
}

std::int32_t paintRobotView(const Grid& robot, Raster& image) {
    paintRobotField(image);
    std::int32_t sensors = 0;
    forEachDrawnCell(robot, CellOrder::ColumnByColumn, [&](const RobotCell& c) {
        const int x0 = kCell * c.x, y0 = kCell * c.y;
        if (c.code == kBody) {
            paintSolid(image, kGrey, x0, y0, x0 + 10, y0 + 10);
        } else if (c.code == kWheel) {
            paintSolid(image, kBlack, x0, y0, x0 + 10, y0 + 10);
        } else if (c.isSensor) {
            if (c.sensor.isDouble)
                paintDoubleSensor(image, x0, y0);
            else
                paintSingleSensor(image, x0, y0);
            ++sensors;
        }
    });
    return sensors;
}

}  // namespace vemrik
