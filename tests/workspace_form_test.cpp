#include "ui/workspace_form.h"

#include <gtest/gtest.h>

#include "raster/colours.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

Workspace sample() {
    Workspace ws;
    ws.robot.at(20, 20) = 5;
    ws.map.at(70, 40) = 4;
    ws.strokes.setColumns(1);
    ws.strokes.setLength(0, 4);
    ws.strokes.at(0, 3) = -9;
    ws.rules = {"1 0 0 0 0 0 0 1 -30", "0 0 0 0 0 0 0 0 0"};
    ws.ruleAngle = 30;
    ws.startHeading = -90;
    return ws;
}

}  // namespace

TEST(WorkspaceOnForm, ApplyPutsTheFormBackToStartUpKeepsThePageAndCaptureGivesItBack) {
    TForm1 form;
    form.TabbedNotebook1Change(1);
    form.BitBtn6Click();  // a step of an old run: its trail and counts must go
    form.Timer2.enabled = true;
    ProgramState& s = form.State;
    s.ReturnToStart = 0;
    s.RobotPosX = 123.0f;
    s.RobotHeading = 90.0f;
    s.SensorStates = {1, 0, 1, 0, 1, 0, 1, 1};
    s.SensorCount = 5;
    s.StrokeAnchorX = 7.0f;
    s.EditTool = 3;
    s.MouseHeld = 1;
    s.RedrawPending = 0;
    form.CheckBox8.checked = true;
    form.ListBox1.add("1 1 1 1 1 1 1 1 5");
    form.ListBox1.itemIndex = 0;
    s.RobotGrid.at(1, 1) = 3;
    form.Image2.canvas.setPixel(3, 3, kGrey);
    form.Image5.canvas.setPixel(0, 0, kRed);
    const std::uint64_t listVersion = form.ListBox1.version;
    applyWorkspace(form, sample());
    EXPECT_EQ(form.engine.Run.steps() + form.engine.Run.trail().size() + form.Memo1.size(), 0u);
    EXPECT_FALSE(form.Timer2.enabled);
    EXPECT_EQ(s.ReturnToStart, 1);
    EXPECT_EQ(s.RobotPosX, 0.0f);
    EXPECT_EQ(s.RobotHeading, 0.0f);  // not the start heading: "Start" takes it from the track bar
    EXPECT_EQ(s.SensorStates, (std::array<std::int32_t, 8>{}));
    EXPECT_EQ(s.SensorCount + s.EditTool + s.MouseHeld, 0);
    EXPECT_EQ(s.StrokeAnchorX, 0.0f);
    EXPECT_EQ(s.RedrawPending, 1);
    EXPECT_FALSE(form.CheckBox8.checked);
    EXPECT_EQ(form.Image2.canvas.pixel(3, 3), kWhite);
    EXPECT_EQ(form.Image5.canvas.pixel(0, 0), kWhite);
    EXPECT_EQ(form.NotebookPageIndex, 1);
    EXPECT_EQ(s.ActivePage, 1);
    EXPECT_EQ(s.RobotGrid.at(1, 1), 0);
    EXPECT_EQ(form.ListBox1.itemIndex, -1);
    EXPECT_NE(form.ListBox1.version, listVersion);
    EXPECT_EQ(form.Label1.caption, "30");
    EXPECT_EQ(form.Label2.caption, "0 0 0 0 0 0 0 0 30");
    EXPECT_EQ(captureWorkspace(form), sample());
}

TEST(WorkspaceOnForm, TheFormHoldsAWorkspaceUntilAnyPartOfItChanges) {
    const Workspace ws = sample();
    const auto holdsAfter = [&](auto change) {
        TForm1 f;
        applyWorkspace(f, ws);
        change(f);
        return formHolds(f, ws);
    };
    // A run changes none of it.
    EXPECT_TRUE(holdsAfter([](TForm1& f) {
        f.State.RobotPosX = 50.0f;
        f.State.SensorStates[3] = 1;
        f.Timer2.enabled = true;
        f.ListBox1.itemIndex = 1;
    }));
    EXPECT_FALSE(holdsAfter([](TForm1& f) { f.State.RobotGrid.at(0, 0) = 1; }));
    EXPECT_FALSE(holdsAfter([](TForm1& f) { f.State.MapGrid.at(70, 40) = 5; }));
    EXPECT_FALSE(holdsAfter([](TForm1& f) { f.State.StrokeList.setColumns(0); }));
    EXPECT_FALSE(holdsAfter([](TForm1& f) { f.ListBox1.add("0 0 0 0 0 0 0 0 0"); }));
    EXPECT_FALSE(holdsAfter([](TForm1& f) { f.TrackBar1.position = 31; }));
    EXPECT_FALSE(holdsAfter([](TForm1& f) { f.TrackBar2.position = 0; }));
}
