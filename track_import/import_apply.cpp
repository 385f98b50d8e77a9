#include "track_import/import_apply.h"

#include "map/map_editor.h"

namespace vemrik {

namespace {

void clearTrack(ProgramState& s) {
    for (int x = 0; x < s.MapGrid.columns(); ++x)
        for (int y = 0; y < s.MapGrid.length(x); ++y) s.MapGrid.at(x, y) = kMapEmpty;
    s.StrokeList.setColumns(0);
}

}  // namespace

ImportUndo applyImport(ProgramState& s, const ImportedTrack& track, ImportPlacement placement) {
    ImportUndo undo{{s.MapGrid, s.StrokeList}, {}};
    if (placement == ImportPlacement::Replace) clearTrack(s);
    for (const auto& [x0, y0, x1, y1] : track.strokes) appendStroke(s.StrokeList, x0, y0, x1, y1);
    for (const auto& [cx, cy] : track.lineCells)
        if (s.MapGrid.at(cx, cy) == kMapEmpty) s.MapGrid.at(cx, cy) = kLine;
    undo.after = {s.MapGrid, s.StrokeList};
    return undo;
}

bool importUndoable(const ProgramState& s, const ImportUndo& undo) {
    return s.StrokeList == undo.after.strokes && s.MapGrid == undo.after.map;
}

void undoImport(ProgramState& s, const ImportUndo& undo) {
    s.MapGrid = undo.before.map;
    s.StrokeList = undo.before.strokes;
}

}  // namespace vemrik
