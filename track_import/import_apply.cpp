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

void importInto(ProgramState& s, const ImportedTrack& track, ImportPlacement placement) {
    if (placement == ImportPlacement::Replace) clearTrack(s);
    for (const auto& [x0, y0, x1, y1] : track.strokes) appendStroke(s.StrokeList, x0, y0, x1, y1);
    for (const auto& [cx, cy] : track.lineCells)
        if (s.MapGrid.at(cx, cy) == kMapEmpty) s.MapGrid.at(cx, cy) = kLine;
}

ImportUndo applyImport(Engine& e, const ImportedTrack& track, ImportPlacement placement) {
    ImportUndo undo{{e.state().MapGrid, e.state().StrokeList}, e.trackVersion(), 0};
    e.editTrack([&](ProgramState& s) { return importInto(s, track, placement), true; });
    undo.after = e.trackVersion();
    return undo;
}

bool importUndoable(const Engine& e, const ImportUndo& undo) { return e.trackVersion() == undo.after; }

void undoImport(Engine& e, const ImportUndo& undo) {
    e.revertTrack(undo.versionBefore, [&](ProgramState& s) {
        s.MapGrid = undo.before.map;
        s.StrokeList = undo.before.strokes;
    });
}

}  // namespace vemrik
