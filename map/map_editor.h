#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "app/number_text.h"
#include "app/program_state.h"
#include "raster/raster.h"

namespace vemrik {

/// The tools of the map page, as its buttons choose them.
enum MapTool : std::int32_t {
    kMapNoTool = 0,
    kToolLine = 1,
    kToolClearCell = 2,
    kToolBrush = 3,
    kToolStart = 4,
    kToolStop = 5,
};

/// A brush segment as it was recorded: from the anchor (as the state held it) to the pointer.
struct BrushSegment {
    float anchorX;
    float anchorY;
    int x;
    int y;
};

/// A press on the map image with `tool`: the cell write of a cell tool, or the brush's anchor.
/// Throws RangeError for a cell off the board, before writing. Returns whether a cell changed.
bool pressMap(ProgramState& s, std::int32_t tool, int x, int y);

/// The hover square of a cell tool over the cell under pointer (x, y); the brush and no tool
/// draw nothing. The line tool previews in black. Returns the area drawn on.
Area paintMapPreview(Raster& image, std::int32_t tool, int x, int y);

/// What a move with the button held did to the track.
struct MapDrag {
    bool changed = false;
    std::optional<BrushSegment> segment;  // the brush's
};

/// A move with the button held: a cell tool writes the cell under the pointer (throwing
/// RangeError before any write off the board); the brush paints one segment from the anchor to
/// the pointer at once and appends it to StrokeList.
MapDrag dragMap(ProgramState& s, std::int32_t tool, Raster& image, int x, int y);

/// The four diagnostic lines of a segment: anchor x and y as number texts, pointer x and y.
std::array<ShortText, 4> segmentLines(const BrushSegment& segment);

/// The pointer's position becomes the start of the next brush segment.
void moveBrushAnchor(ProgramState& s, int x, int y);

/// Removes the newest segment; an empty list stays as it is. Returns whether it changed.
bool undoStroke(ProgramState& s);

/// Removes every segment; an empty list stays as it is. Returns whether it changed.
bool clearStrokes(ProgramState& s);

/// Appends the entry [x0, y0, x1, y1] as the newest segment.
void appendStroke(Grid& strokes, int x0, int y0, int x1, int y1);

}  // namespace vemrik
