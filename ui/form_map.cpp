#include "map/map_editor.h"
#include "ui/form.h"

namespace vemrik {

void TForm1::BitBtn3Click() {
    Image2Track.restore(engine, Image2.canvas);
    Image2Track.drawnOver(Image2.canvas, {0, 0, 0, 0});
}

void TForm1::Image2Click() {}

void TForm1::Image2MouseDown(int x, int y) {
    {
        Shell.RedrawPending = 1;
        Shell.MouseHeld = 1;
        engine.editTrack([&](ProgramState& s) { return pressMap(s, Shell.EditTool, x, y); });
    }
}

void TForm1::Image2MouseMove(int x, int y) {
    if (Shell.EditTool != kMapNoTool) {
        BitBtn3Click();
        Image2Track.drawnOver(Image2.canvas, paintMapPreview(Image2.canvas, Shell.EditTool, x, y));
    }
    if (Shell.MouseHeld == 1) {
        MapDrag drag;
        engine.editTrack([&](ProgramState& s) {
            drag = dragMap(s, Shell.EditTool, Image2.canvas, x, y);
            return drag.changed;
        });
        if (drag.segment)
            for (const ShortText& line : segmentLines(*drag.segment)) Memo1.append(line);
        Shell.RedrawPending = 1;
    }
    // The anchor is no part of the work: no version moves.
    engine.editTrack([&](ProgramState& s) {
        moveBrushAnchor(s, x, y);
        return false;
    });
}

void TForm1::Image2MouseUp(int, int) { Shell.MouseHeld = 0; }

void TForm1::Button5Click() { Shell.EditTool = kToolLine; }
void TForm1::Button6Click() { Shell.EditTool = kToolClearCell; }
void TForm1::Button7Click() { Shell.EditTool = kToolBrush; }
void TForm1::Button8Click() { Shell.EditTool = kToolStart; }
void TForm1::Button9Click() { Shell.EditTool = kToolStop; }
void TForm1::Button10Click() {
    if (!engine.editTrack([](ProgramState& s) { return undoStroke(s); })) return;
    Shell.RedrawPending = 1;
}
void TForm1::Button11Click() {
    if (!engine.editTrack([](ProgramState& s) { return clearStrokes(s); })) return;
    Shell.RedrawPending = 1;
}

ImportUndo TForm1::ImportTrack(const ImportedTrack& track, ImportPlacement placement) {
    ImportUndo undo = applyImport(engine, track, placement);
    Shell.RedrawPending = 1;
    LastImport = undo;
    return undo;
}

void TForm1::UndoImport(const ImportUndo& undo) {
    undoImport(engine, undo);
    Shell.RedrawPending = 1;
}

void TForm1::UndoLastImport() {
    if (!LastImport || !importUndoable(engine, *LastImport)) return;
    UndoImport(*LastImport);
    LastImport.reset();
}

}  // namespace vemrik
