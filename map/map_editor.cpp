#include "map/map_editor.h"

#include "map/map_paint.h"

namespace vemrik {

namespace {

/// Pointer pixel to board cell; C++ division truncates toward zero as the board expects.
int cellOf(int pixel) { return pixel / 10; }

/// The code a cell tool writes, or false for the brush and no tool.
bool toolCode(std::int32_t tool, std::int32_t& code) {
    switch (tool) {
        case kToolLine:
            code = kLine;
            return true;
        case kToolClearCell:
            code = kMapEmpty;
            return true;
        case kToolStart:
            code = kStart;
            return true;
        case kToolStop:
            code = kStop;
            return true;
        default:
            return false;
    }
}

/// The hover colour of a cell tool; the line previews black, not in its own grey.
bool previewColour(std::int32_t tool, Colour& c) {
    switch (tool) {
        case kToolLine:
            c = kBlack;
            return true;
        case kToolClearCell:
            c = kWhite;
            return true;
        case kToolStart:
            c = kBlue;
            return true;
        case kToolStop:
            c = kRed;
            return true;
        default:
            return false;
    }
}

/// A cell tool's write into the cell under the pointer; whether the cell changed.
bool writeCell(ProgramState& s, std::int32_t tool, int x, int y) {
    std::int32_t code = 0;
    if (!toolCode(tool, code)) return false;
    std::int32_t& cell = s.MapGrid.at(cellOf(x), cellOf(y));
    const bool changed = cell != code;
    cell = code;
    return changed;
}

/// Anchors only ever hold pointer positions, so the conversion is exact.
int anchorPixel(float anchor) { return static_cast<int>(anchor); }

}  // namespace

bool pressMap(ProgramState& s, std::int32_t tool, int x, int y) {
    const bool changed = writeCell(s, tool, x, y);
    if (tool == kToolBrush) moveBrushAnchor(s, x, y);
    return changed;
}

Area paintMapPreview(Raster& image, std::int32_t tool, int x, int y) {
    Colour c = kWhite;
    if (!previewColour(tool, c)) return {0, 0, 0, 0};
    const int x0 = 10 * cellOf(x), y0 = 10 * cellOf(y);
    image.setBrushColour(c);
    image.setPenColour(c);
    image.rectangle(x0, y0, x0 + 10, y0 + 10);
    return {x0, y0, x0 + 10, y0 + 10};
}

MapDrag dragMap(ProgramState& s, std::int32_t tool, Raster& image, int x, int y) {
    const bool changed = writeCell(s, tool, x, y);
    if (tool != kToolBrush) return {changed, std::nullopt};
    const int ax = anchorPixel(s.StrokeAnchorX), ay = anchorPixel(s.StrokeAnchorY);
    paintSegment(image, ax, ay, x, y);
    appendStroke(s.StrokeList, ax, ay, x, y);
    return {true, BrushSegment{s.StrokeAnchorX, s.StrokeAnchorY, x, y}};
}

std::array<ShortText, 4> segmentLines(const BrushSegment& segment) {
    return {FloatToStr(segment.anchorX), FloatToStr(segment.anchorY), IntToStr(segment.x),
            IntToStr(segment.y)};
}

void moveBrushAnchor(ProgramState& s, int x, int y) {
    s.StrokeAnchorX = static_cast<float>(x);
    s.StrokeAnchorY = static_cast<float>(y);
}

bool undoStroke(ProgramState& s) {
    if (s.StrokeList.columns() < 1) return false;
    s.StrokeList.setColumns(s.StrokeList.columns() - 1);
    return true;
}

bool clearStrokes(ProgramState& s) {
    if (s.StrokeList.columns() < 1) return false;
    s.StrokeList.setColumns(0);
    return true;
}

void appendStroke(Grid& strokes, int x0, int y0, int x1, int y1) {
    const int e = strokes.columns();
    strokes.setColumns(e + 1);
    strokes.setLength(e, 4);
    strokes.at(e, 0) = x0;
    strokes.at(e, 1) = y0;
    strokes.at(e, 2) = x1;
    strokes.at(e, 3) = y1;
}

}  // namespace vemrik
