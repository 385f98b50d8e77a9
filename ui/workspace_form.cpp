#include "ui/workspace_form.h"

#include "app/number_text.h"

namespace vemrik {

Workspace captureWorkspace(const TForm1& form) { return form.engine.work(); }

void applyWorkspace(TForm1& form, const Workspace& ws) {
    // Nothing was edited: the status bar has nothing to say about the history.
    form.History.forget();
    form.Paused = form.StartRefused = false;
    form.engine.load(ws);
    // Another document: undo must not reach the work before it.
    form.Edits.restart(form.engine);
    // Another workspace may happen to hold the imported track; its import is still not this one's.
    form.LastImport.reset();
    form.Timer2.enabled = form.engine.running();
    form.TrackBar1.position = ws.ruleAngle;
    form.TrackBar2.position = ws.startHeading;
    form.Shell.EditTool = 0;
    form.Shell.MouseHeld = 0;
    form.Shell.RedrawPending = 1;
    for (int n = 1; n <= 8; ++n) form.checkBox(n).checked = false;
    form.Memo1.clear();
    form.ListBox1.itemIndex = -1;
    ++form.ListBox1.version;
    // A hidden page would otherwise show the old robot or track until its first redraw.
    for (Image* image : {&form.Image1, &form.Image2, &form.Image3, &form.Image4, &form.Image5})
        image->canvas.fill(kWhite);
    form.Label1.caption = IntToStr(ws.ruleAngle).view();
    // What the refresh cycle composes on "Algorytm", so "Dodaj" never copies a stale angle.
    form.ComposeRuleText();
}

}  // namespace vemrik
