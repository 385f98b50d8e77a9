#pragma once

#include <vector>

#include "app/program_state.h"
#include "raster/raster.h"
#include "simulation/print_tiles.h"
#include "simulation/printed_track.h"

namespace vemrik {

/// One sheet's printable area as pixels, `scale` of them across a map pixel: the track's picture
/// nearest pixel, white past its edges, and the start ("S") and stop (a cross) marks outlined in
/// their cells. A browser or any other printer lays it at the layout's millimetres.
Raster sheetPixels(const PrintedTrack& track, const PrintLayout& layout, const PrintTile& tile, int scale);

/// Width and height of the sheet sheetPixels gives, found without drawing it.
struct SheetSize {
    int width = 0;
    int height = 0;
};
SheetSize sheetSize(const PrintedTrack& track, const PrintLayout& layout, const PrintTile& tile, int scale);

/// A whole print: what goes on paper, its layout and its sheets; no sheets for a map with no track.
struct TrackPrint {
    PrintedTrack track;
    PrintLayout layout;
    std::vector<PrintTile> tiles;
};

/// The map's track painted from the state on an image of that size, in that look, on paper of that
/// size (turned where that needs fewer sheets) at mmPerCell millimetres a cell.
TrackPrint trackPrint(const ProgramState& s, int width, int height, PrintLook look, double mmPerCell,
                      double paperWidth, double paperHeight);

}  // namespace vemrik
