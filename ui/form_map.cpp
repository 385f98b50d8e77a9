#include "map/map_editor.h"
#include "ui/form.h"

namespace vemrik {

void TForm1::BitBtn3Click() {
    Image2Track.restore(State, Image2.canvas);
    Image2Track.drawnOver(Image2.canvas, {0, 0, 0, 0});
}

void TForm1::Image2Click() {}

void TForm1::Image2MouseDown(int x, int y) { pressMap(State, x, y); }

void TForm1::Image2MouseMove(int x, int y) {
    if (State.EditTool != kMapNoTool) {
        BitBtn3Click();
        Image2Track.drawnOver(Image2.canvas, paintMapPreview(Image2.canvas, State.EditTool, x, y));
    }
    if (State.MouseHeld == 1) {
        if (const auto segment = dragMap(State, Image2.canvas, x, y))
            for (const ShortText& line : segmentLines(*segment)) Memo1.append(line);
        State.RedrawPending = 1;
    }
    moveBrushAnchor(State, x, y);
}

void TForm1::Image2MouseUp(int, int) { State.MouseHeld = 0; }

void TForm1::Button5Click() { State.EditTool = kToolLine; }
void TForm1::Button6Click() { State.EditTool = kToolClearCell; }
void TForm1::Button7Click() { State.EditTool = kToolBrush; }
void TForm1::Button8Click() { State.EditTool = kToolStart; }
void TForm1::Button9Click() { State.EditTool = kToolStop; }
void TForm1::Button10Click() { undoStroke(State); }
void TForm1::Button11Click() { clearStrokes(State); }

}  // namespace vemrik
