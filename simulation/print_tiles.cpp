#include "simulation/print_tiles.h"

#include <cmath>
#include <utility>

namespace vemrik {

namespace {

/// Sheets along one side; 0 when a sheet would not move on, or would take more than kMostSheets.
int sheetsAlong(double track, double printable, double overlap) {
    const double step = printable - overlap;
    if (!(step > 0) || !(track >= 0)) return 0;
    if (track <= printable) return 1;
    // A hair of tolerance so a track that fits exactly does not get a sheet of rounding error.
    const double more = std::ceil((track - printable) / step - 1e-9);
    return more < kMostSheets ? 1 + static_cast<int>(more) : 0;
}

double printableWidth(const PrintLayout& l) { return l.pageWidth - 2 * l.margin; }
double printableHeight(const PrintLayout& l) { return l.pageHeight - 2 * l.margin; }

}  // namespace

TileGrid tileGrid(const PrintLayout& layout) {
    TileGrid grid{sheetsAlong(layout.trackWidth, printableWidth(layout), layout.overlap),
                  sheetsAlong(layout.trackHeight, printableHeight(layout), layout.overlap)};
    if (grid.columns == 0 || grid.rows == 0 || grid.columns > kMostSheets / grid.rows) grid = {};
    return grid;
}

std::vector<PrintTile> printTiles(const PrintLayout& layout) {
    const TileGrid grid = tileGrid(layout);
    const double w = printableWidth(layout), h = printableHeight(layout);
    std::vector<PrintTile> tiles;
    tiles.reserve(static_cast<std::size_t>(grid.pages()));
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column)
            tiles.push_back({row, column, column * (w - layout.overlap), row * (h - layout.overlap), w, h});
    return tiles;
}

PrintLayout turned(PrintLayout layout) {
    std::swap(layout.pageWidth, layout.pageHeight);
    return layout;
}

bool fewerPagesTurned(const PrintLayout& layout) {
    const int turnedPages = tileGrid(turned(layout)).pages();
    return turnedPages > 0 && turnedPages < tileGrid(layout).pages();
}

std::string tileName(int row, int column) {
    std::string letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters + std::to_string(row + 1);
}

PrintLayout printLayout(Area area, double mmPerCell, double paperWidth, double paperHeight) {
    const PrintLayout upright{trackMillimetres(area.x2 - area.x1, mmPerCell),
                              trackMillimetres(area.y2 - area.y1, mmPerCell), paperWidth, paperHeight};
    return fewerPagesTurned(upright) ? turned(upright) : upright;
}

double trackMillimetres(int pixels, double mmPerCell) { return pixels * mmPerCell / 10.0; }

}  // namespace vemrik
