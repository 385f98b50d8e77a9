#include "simulation/print_sheet.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "simulation/simulation_view.h"

namespace vemrik {

namespace {

constexpr int kCell = 10;  // map pixels

/// The sheet's pixel for a point of the map given in map pixels.
struct SheetFrame {
    double originX = 0;  // map pixels at the sheet's left and top edges
    double originY = 0;
    int scale = 1;
    int x(double mapX) const { return static_cast<int>(std::lround((mapX - originX) * scale)); }
    int y(double mapY) const { return static_cast<int>(std::lround((mapY - originY) * scale)); }
};

void line(Raster& sheet, int x0, int y0, int x1, int y1) {
    sheet.moveTo(x0, y0);
    sheet.lineTo(x1, y1);
}

/// An outline inside the cell, a pen of 1.2 mm at 20 mm per cell, then an S or a cross in it.
void drawMark(Raster& sheet, const SheetFrame& f, const PrintMark& mark) {
    const int left = f.x(mark.column * kCell), top = f.y(mark.row * kCell);
    const int right = f.x((mark.column + 1) * kCell), bottom = f.y((mark.row + 1) * kCell);
    const int pen = std::max(1, static_cast<int>(std::lround(0.6 * f.scale)));
    sheet.setBrushColour(kBlack);
    sheet.setPenColour(kBlack);
    sheet.setPenWidth(1);
    sheet.rectangle(left, top, right, top + pen);
    sheet.rectangle(left, bottom - pen, right, bottom);
    sheet.rectangle(left, top, left + pen, bottom);
    sheet.rectangle(right - pen, top, right, bottom);
    const auto at = [&](double fx, double fy) {
        return std::pair{left + static_cast<int>(std::lround(fx * (right - left))),
                         top + static_cast<int>(std::lround(fy * (bottom - top)))};
    };
    if (mark.kind == PrintMark::kStop) {
        sheet.setPenWidth(pen);
        const int in = pen / 2;
        line(sheet, left + in, top + in, right - in, bottom - in);
        line(sheet, right - in, top + in, left + in, bottom - in);
        return;
    }
    // A square-cornered S of five strokes, bold as a letter 60 % of the cell high.
    sheet.setPenWidth(2 * pen);
    const std::pair<double, double> s[] = {{0.68, 0.25}, {0.32, 0.25}, {0.32, 0.5},
                                           {0.68, 0.5},  {0.68, 0.75}, {0.32, 0.75}};
    for (std::size_t k = 1; k < std::size(s); ++k) {
        const auto [x0, y0] = at(s[k - 1].first, s[k - 1].second);
        const auto [x1, y1] = at(s[k].first, s[k].second);
        line(sheet, x0, y0, x1, y1);
    }
}

}  // namespace

SheetSize sheetSize(const PrintedTrack& track, const PrintLayout& layout, const PrintTile& tile, int scale) {
    const double mmPerPixel = layout.trackWidth / (track.area.x2 - track.area.x1);
    return {static_cast<int>(std::lround(tile.width / mmPerPixel * scale)),
            static_cast<int>(std::lround(tile.height / mmPerPixel * scale))};
}

Raster sheetPixels(const PrintedTrack& track, const PrintLayout& layout, const PrintTile& tile, int scale) {
    const double mmPerPixel = layout.trackWidth / (track.area.x2 - track.area.x1);
    const SheetFrame frame{track.area.x1 + tile.x / mmPerPixel, track.area.y1 + tile.y / mmPerPixel, scale};
    const SheetSize size = sheetSize(track, layout, tile, scale);
    Raster sheet(size.width, size.height);
    sheet.fill(kWhite);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            const int mapX = static_cast<int>(std::floor(frame.originX + (x + 0.5) / scale));
            const int mapY = static_cast<int>(std::floor(frame.originY + (y + 0.5) / scale));
            const Colour c = track.picture.pixel(mapX, mapY);
            if (c != kOutside && c != kWhite) sheet.setPixel(x, y, c);
        }
    for (const PrintMark& mark : track.marks) drawMark(sheet, frame, mark);
    return sheet;
}

TrackPrint trackPrint(const ProgramState& s, int width, int height, PrintLook look, double mmPerCell,
                      double paperWidth, double paperHeight) {
    Raster painted(width, height);
    paintTrack(s, painted);
    TrackPrint print{printedTrack(painted, s.MapGrid, look), {}, {}};
    if (print.track.area.x1 >= print.track.area.x2) return print;
    print.layout = printLayout(print.track.area, mmPerCell, paperWidth, paperHeight);
    print.tiles = printTiles(print.layout);
    return print;
}

}  // namespace vemrik
