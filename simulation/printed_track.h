#pragma once

#include <vector>

#include "app/grid.h"
#include "platform/texts.h"
#include "raster/raster.h"

namespace vemrik {

/// How the track goes on paper: the line black on white, as a real robot's sensors need it, only
/// where the track is; or the whole map in the colours the screen shows.
enum class PrintLook { kBlackLine, kAsOnScreen };

/// White left around the track on paper, in map pixels: one cell, room for the sensors to see
/// white beside the line at its outermost points.
inline constexpr int kPrintMarginPixels = 10;

/// Why a map with no track is not printed.
inline constexpr Text kNothingToPrint{
    "Na mapie nie ma trasy, więc nie ma czego drukować.\nNarysuj linię, start i stop na stronie „Mapa”.",
    "The map has no track, so there is nothing to print.\nDraw a line, a start and a stop on the “Map” "
    "page."};

/// A start or stop cell, printed as an outlined mark instead of its screen colour.
struct PrintMark {
    enum Kind { kStart, kStop };
    int column = 0;
    int row = 0;
    Kind kind = kStart;
    bool operator==(const PrintMark&) const = default;
};

/// What a print shows: a picture of the map, the part of it printed (in map pixels, may reach
/// past the picture where the margin does) and the marks drawn over it.
struct PrintedTrack {
    Raster picture{0, 0};
    Area area{0, 0, 0, 0};
    std::vector<PrintMark> marks;
};

/// The least area holding every pixel of the track that is not white; all zero when there is none.
Area inkArea(const Raster& track);

/// The part of the map a print shows: the ink with the margin around it, or the whole map as on
/// the screen; all zero when the track is blank, which leaves nothing to print either way.
Area printArea(const Raster& track, PrintLook look);

/// The track with what a sensor takes for line black and every other pixel white.
Raster lineInBlack(const Raster& track);

/// The start and stop cells among those the map's track shows, column by column.
std::vector<PrintMark> printMarks(const Grid& map);

/// The picture, area and marks for the painted track of this map in the look asked for.
PrintedTrack printedTrack(const Raster& track, const Grid& map, PrintLook look);

}  // namespace vemrik
