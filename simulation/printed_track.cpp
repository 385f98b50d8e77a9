#include "simulation/printed_track.h"

#include <algorithm>
#include <climits>

#include "app/program_state.h"
#include "engine/sensing.h"

namespace vemrik {

Area inkArea(const Raster& track) {
    Area ink{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < track.height(); ++y)
        for (int x = 0; x < track.width(); ++x) {
            if (track.pixel(x, y) == kWhite) continue;
            ink = {std::min(ink.x1, x), std::min(ink.y1, y), std::max(ink.x2, x + 1),
                   std::max(ink.y2, y + 1)};
        }
    return ink.x1 < ink.x2 ? ink : Area{0, 0, 0, 0};
}

Area printArea(const Raster& track, PrintLook look) {
    const Area ink = inkArea(track);
    if (ink.x1 >= ink.x2) return ink;
    if (look == PrintLook::kAsOnScreen) return {0, 0, track.width(), track.height()};
    constexpr int m = kPrintMarginPixels;
    return {ink.x1 - m, ink.y1 - m, ink.x2 + m, ink.y2 + m};
}

Raster lineInBlack(const Raster& track) {
    Raster black(track.width(), track.height());
    for (int y = 0; y < track.height(); ++y)
        for (int x = 0; x < track.width(); ++x)
            if (sightOf(track.pixel(x, y)) == Sight::Line) black.setPixel(x, y, kBlack);
    return black;
}

std::vector<PrintMark> printMarks(const Grid& map) {
    // The cells the track shows: the last column and row are kept but never painted.
    std::vector<PrintMark> marks;
    for (int column = 0; column + 1 < map.columns(); ++column)
        for (int row = 0; row + 1 < map.length(0); ++row) {
            const std::int32_t code = map.at(column, row);
            if (code == kStart) marks.push_back({column, row, PrintMark::kStart});
            if (code == kStop) marks.push_back({column, row, PrintMark::kStop});
        }
    return marks;
}

PrintedTrack printedTrack(const Raster& track, const Grid& map, PrintLook look) {
    if (look == PrintLook::kAsOnScreen) return {track, printArea(track, look), {}};
    return {lineInBlack(track), printArea(track, look), printMarks(map)};
}

}  // namespace vemrik
