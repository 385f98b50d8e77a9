#pragma once

#include <string>
#include <vector>

#include "raster/raster.h"

namespace vemrik {

/// A track printed at real size over sheets of paper; every length in millimetres.
struct PrintLayout {
    double trackWidth = 0;
    double trackHeight = 0;
    double pageWidth = 210;
    double pageHeight = 297;
    /// Blank on every side of a sheet: room for the crop marks and the page name.
    double margin = 10;
    /// How much of the track two neighbouring sheets both show, to tape them over each other.
    double overlap = 10;
};

/// The most sheets one track is printed on; a paper that would need more has no room for it.
inline constexpr int kMostSheets = 10000;

/// How many sheets across and down; both 0 when the sheet has no room for more than the overlap
/// or the track would take more than kMostSheets.
struct TileGrid {
    int columns = 0;
    int rows = 0;
    int pages() const { return columns * rows; }
};

/// One sheet: its place in the grid (from 0) and the part of the track it shows, which may reach
/// past the track's far edges on the last row and column.
struct PrintTile {
    int row = 0;
    int column = 0;
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

/// Sheets across and down so that, each moved on by its printable size less the overlap, they
/// cover the whole track.
TileGrid tileGrid(const PrintLayout& layout);

/// Every sheet, row by row, in the order they are printed.
std::vector<PrintTile> printTiles(const PrintLayout& layout);

/// The same layout with the sheet turned (width and height swapped).
PrintLayout turned(PrintLayout layout);

/// True when the turned sheet needs fewer pages; a tie keeps the sheet as it is.
bool fewerPagesTurned(const PrintLayout& layout);

/// A sheet's name as on a map: column letter, row number from 1 ("A1", "B3", … "Z9", "AA1").
std::string tileName(int row, int column);

/// The sheets for that area of the map (in map pixels) at mmPerCell millimetres per 10-pixel cell
/// on paper of that size, with a 10 mm margin and overlap, the paper turned where that needs fewer.
PrintLayout printLayout(Area area, double mmPerCell, double paperWidth, double paperHeight);

/// Track length of that many pixels at mmPerCell millimetres per 10-pixel map cell.
double trackMillimetres(int pixels, double mmPerCell);

}  // namespace vemrik
