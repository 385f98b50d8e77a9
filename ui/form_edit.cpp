#include "app/number_text.h"
#include "ui/form.h"

namespace vemrik {

void TForm1::UndoChangeClick() {
    if (Edits.undo(engine)) ShowWorkPutBack();
}

void TForm1::RedoClick() {
    if (Edits.redo(engine)) ShowWorkPutBack();
}

void TForm1::ShowWorkPutBack() {
    TrackBar1.position = engine.ruleAngle();
    Label1.caption = IntToStr(TrackBar1.position).view();
    TrackBar2.position = engine.startHeading();
    if (ListBox1.itemIndex >= ListBox1.count()) ListBox1.itemIndex = ListBox1.count() - 1;
    ++ListBox1.version;
    Shell.MouseHeld = 0;
    Shell.RedrawPending = 1;
}

}  // namespace vemrik
