#pragma once

#include "app/grid.h"
#include "app/program_state.h"
#include "engine/engine.h"
#include "track_import/track_import.h"

namespace vemrik {

/// Whether the picture's track takes the place of the current one or joins it.
enum class ImportPlacement { Replace, Add };

/// The two layers of the track: the map cells and the brush strokes.
struct TrackLayers {
    Grid map;
    Grid strokes;
};

/// The track before an import and the track's versions before and after it, to take the import
/// back whole.
struct ImportUndo {
    TrackLayers before;
    std::uint64_t versionBefore = 0;
    std::uint64_t after = 0;
};

/// Puts the imported track on these boards, as applyImport does; for a preview.
void importInto(ProgramState& s, const ImportedTrack& track, ImportPlacement placement);

/// Puts the imported track on the map. Replacing empties every cell (start
/// and stop too, since they were placed for the old track) and every stroke first; adding keeps
/// all there is, appends the strokes after the existing ones and turns only empty cells into
/// line cells, so start and stop cells stay.
ImportUndo applyImport(Engine& e, const ImportedTrack& track, ImportPlacement placement);

/// Whether the track was not edited since the import. Only then may the import be taken back
/// whole: after any later edit that would throw the edit away too (even one undone by hand).
bool importUndoable(const Engine& e, const ImportUndo& undo);

/// Puts back the track as it was before the import, with its version then; only while
/// importUndoable.
void undoImport(Engine& e, const ImportUndo& undo);

}  // namespace vemrik
