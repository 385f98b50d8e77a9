#pragma once

#include "app/grid.h"
#include "app/program_state.h"
#include "track_import/track_import.h"

namespace vemrik {

/// Whether the picture's track takes the place of the current one or joins it.
enum class ImportPlacement { Replace, Add };

/// The two layers of the track: the map cells and the brush strokes.
struct TrackLayers {
    Grid map;
    Grid strokes;
    bool operator==(const TrackLayers&) const = default;
};

/// The track before an import and as the import left it, to take the import back whole.
struct ImportUndo {
    TrackLayers before;
    TrackLayers after;
};

/// Puts the imported track on the map. Replacing empties every cell (start
/// and stop too, since they were placed for the old track) and every stroke first; adding keeps
/// all there is, appends the strokes after the existing ones and turns only empty cells into
/// line cells, so start and stop cells stay.
ImportUndo applyImport(ProgramState& s, const ImportedTrack& track, ImportPlacement placement);

/// Whether the track is still exactly as the import left it. Only then may the import be taken
/// back whole: after any later edit that would throw the edit away too.
bool importUndoable(const ProgramState& s, const ImportUndo& undo);

/// Puts back the track as it was before the import.
void undoImport(ProgramState& s, const ImportUndo& undo);

}  // namespace vemrik
