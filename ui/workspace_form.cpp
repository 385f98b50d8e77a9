#include "ui/workspace_form.h"

#include "app/number_text.h"

namespace vemrik {

namespace {

void resetToStartUp(TForm1& form) {
    ProgramState& s = form.State;
    form.Timer2.enabled = false;
    s.ReturnToStart = 1;
    s.RobotPosX = 0.0f;
    s.RobotPosY = 0.0f;
    s.RobotHeading = 0.0f;
    s.SensorStates.fill(0);
    s.SensorCount = 0;
    s.StrokeAnchorX = 0.0f;
    s.StrokeAnchorY = 0.0f;
    s.EditTool = 0;
    s.MouseHeld = 0;
    s.RedrawPending = 1;
    for (int n = 1; n <= 8; ++n) form.checkBox(n).checked = false;
    form.Memo1.clear();
    form.engine.Run.clear();  // an old trail and old counts belong to the old track
    // As after start-up, so a run does not depend on how many draws came before.
    form.engine.restartDraws();
    // A hidden page would otherwise show the old robot or track until its first redraw.
    for (Image* image : {&form.Image1, &form.Image2, &form.Image3, &form.Image4, &form.Image5})
        image->canvas.fill(kWhite);
}

}  // namespace

Workspace captureWorkspace(const TForm1& form) {
    Workspace ws;
    ws.robot = form.State.RobotGrid;
    ws.map = form.State.MapGrid;
    ws.strokes = form.State.StrokeList;
    ws.rules = form.ListBox1.lines;
    ws.ruleAngle = form.TrackBar1.position;
    ws.startHeading = form.TrackBar2.position;
    return ws;
}

void applyWorkspace(TForm1& form, const Workspace& ws) {
    resetToStartUp(form);
    ProgramState& s = form.State;
    s.RobotGrid = ws.robot;
    s.MapGrid = ws.map;
    s.StrokeList = ws.strokes;
    form.ListBox1.lines = ws.rules;
    form.ListBox1.itemIndex = -1;
    ++form.ListBox1.version;
    form.TrackBar1.position = ws.ruleAngle;
    form.TrackBar2.position = ws.startHeading;
    form.Label1.caption = IntToStr(ws.ruleAngle).view();
    // What the refresh cycle composes on "Algorytm", so "Dodaj" never copies a stale angle.
    form.ComposeRuleText();
}

bool formHolds(const TForm1& form, const Workspace& ws) {
    return form.State.RobotGrid == ws.robot && form.State.MapGrid == ws.map &&
           form.State.StrokeList == ws.strokes && form.ListBox1.lines == ws.rules &&
           form.TrackBar1.position == ws.ruleAngle && form.TrackBar2.position == ws.startHeading;
}

}  // namespace vemrik
