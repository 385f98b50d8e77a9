#include "ui/workspace_form.h"

#include <gtest/gtest.h>

#include "raster/colours.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

// A form in the middle of a run on the map page, with every reset field away from its start.
void disturb(TForm1& form) {
    form.TabbedNotebook1Change(1);
    form.Timer2.enabled = true;
    ProgramState& s = form.State;
    s.ReturnToStart = 0;
    s.RobotPosX = 123.0f;
    s.RobotPosY = 45.0f;
    s.RobotHeading = 90.0f;
    s.SensorStates = {1, 0, 1, 0, 1, 0, 1, 1};
    s.SensorCount = 5;
    s.StrokeAnchorX = 7.0f;
    s.EditTool = 3;
    s.MouseHeld = 1;
    s.RedrawPending = 0;
    form.CheckBox2.checked = true;
    form.CheckBox8.checked = true;
    form.Memo1.append("100");
    form.ListBox1.add("1 1 1 1 1 1 1 1 5");
    form.ListBox1.itemIndex = 0;
    s.RobotGrid.at(1, 1) = 3;
    s.MapGrid.at(2, 2) = 5;
    form.Image2.canvas.setPixel(3, 3, kGrey);
    form.Image5.canvas.setPixel(0, 0, kRed);
}

Workspace sample() {
    Workspace ws;
    ws.robot.at(10, 5) = 4;
    ws.map.at(12, 3) = 1;
    ws.strokes.setColumns(1);
    ws.strokes.setLength(0, 4);
    ws.strokes.at(0, 2) = 110;
    ws.rules = {"1 0 0 0 0 0 0 1 -30", "0 0 0 0 0 0 0 0 0"};
    ws.ruleAngle = 30;
    ws.startHeading = -90;
    return ws;
}

}  // namespace

TEST(WorkspaceOnForm, ApplyPutsTheFormBackToStartUpAndKeepsThePage) {
    TForm1 form;
    disturb(form);
    form.BitBtn6Click();  // a step of the old run: its trail and counts must go
    const std::uint64_t listVersion = form.ListBox1.version;
    applyWorkspace(form, sample());
    const ProgramState& s = form.State;
    EXPECT_EQ(form.engine.Run.steps(), 0u);
    EXPECT_EQ(form.engine.Run.trail().size(), 0u);
    EXPECT_FALSE(form.Timer2.enabled);
    EXPECT_EQ(s.ReturnToStart, 1);
    EXPECT_EQ(s.RobotPosX, 0.0f);
    EXPECT_EQ(s.RobotPosY, 0.0f);
    EXPECT_EQ(s.RobotHeading, 0.0f);  // not the start heading: "Start" takes it from the track bar
    for (const std::int32_t v : s.SensorStates) EXPECT_EQ(v, 0);
    EXPECT_EQ(s.SensorCount, 0);
    EXPECT_EQ(s.StrokeAnchorX, 0.0f);
    EXPECT_EQ(s.EditTool, 0);
    EXPECT_EQ(s.MouseHeld, 0);
    EXPECT_EQ(s.RedrawPending, 1);
    for (int n = 1; n <= 8; ++n) EXPECT_FALSE(form.checkBox(n).checked) << n;
    EXPECT_EQ(form.Memo1.size(), 0u);
    EXPECT_EQ(form.Image2.canvas.pixel(3, 3), kWhite);
    EXPECT_EQ(form.Image5.canvas.pixel(0, 0), kWhite);
    // The page shown and the page drawn stay.
    EXPECT_EQ(form.NotebookPageIndex, 1);
    EXPECT_EQ(s.ActivePage, 1);
    EXPECT_TRUE(form.Timer1.enabled);
    // Then the workspace.
    EXPECT_EQ(s.RobotGrid.at(10, 5), 4);
    EXPECT_EQ(s.RobotGrid.at(1, 1), 0);
    EXPECT_EQ(s.MapGrid.at(12, 3), 1);
    EXPECT_EQ(s.MapGrid.at(2, 2), 0);
    ASSERT_EQ(s.StrokeList.columns(), 1);
    EXPECT_EQ(s.StrokeList.at(0, 2), 110);
    EXPECT_EQ(form.ListBox1.lines, (std::vector<std::string>{"1 0 0 0 0 0 0 1 -30", "0 0 0 0 0 0 0 0 0"}));
    EXPECT_EQ(form.ListBox1.itemIndex, -1);
    EXPECT_NE(form.ListBox1.version, listVersion);
    EXPECT_EQ(form.TrackBar1.position, 30);
    EXPECT_EQ(form.TrackBar2.position, -90);
    EXPECT_EQ(form.Label1.caption, "30");
    EXPECT_EQ(form.Label2.caption, "0 0 0 0 0 0 0 0 30");
}

TEST(WorkspaceOnForm, CaptureTakesBoardsStrokesRulesAndBothTrackBars) {
    TForm1 form;
    form.State.RobotGrid.at(20, 20) = 5;
    form.State.MapGrid.at(70, 40) = 4;
    form.State.StrokeList.setColumns(2);
    form.State.StrokeList.setLength(0, 4);
    form.State.StrokeList.setLength(1, 4);
    form.State.StrokeList.at(1, 3) = -9;
    form.ListBox1.add("0 0 0 1 1 0 0 0 45");
    form.TrackBar1.position = 360;
    form.TrackBar2.position = -360;
    const Workspace ws = captureWorkspace(form);
    EXPECT_EQ(ws.robot.at(20, 20), 5);
    EXPECT_EQ(ws.map.at(70, 40), 4);
    ASSERT_EQ(ws.strokes.columns(), 2);
    EXPECT_EQ(ws.strokes.at(1, 3), -9);
    EXPECT_EQ(ws.rules, std::vector<std::string>{"0 0 0 1 1 0 0 0 45"});
    EXPECT_EQ(ws.ruleAngle, 360);
    EXPECT_EQ(ws.startHeading, -360);
}

TEST(WorkspaceOnForm, TheFormHoldsAWorkspaceUntilAnyPartOfItChanges) {
    TForm1 form;
    applyWorkspace(form, sample());
    const Workspace ws = sample();
    EXPECT_TRUE(formHolds(form, ws));
    // A run changes none of it.
    form.State.RobotPosX = 50.0f;
    form.State.SensorStates[3] = 1;
    form.Timer2.enabled = true;
    form.ListBox1.itemIndex = 1;
    EXPECT_TRUE(formHolds(form, ws));

    const auto changed = [&](auto change) {
        TForm1 f;
        applyWorkspace(f, ws);
        change(f);
        return !formHolds(f, ws);
    };
    EXPECT_TRUE(changed([](TForm1& f) { f.State.RobotGrid.at(0, 0) = 1; }));
    EXPECT_TRUE(changed([](TForm1& f) { f.State.MapGrid.at(70, 40) = 5; }));
    EXPECT_TRUE(changed([](TForm1& f) { f.State.StrokeList.setColumns(0); }));
    EXPECT_TRUE(changed([](TForm1& f) { f.ListBox1.add("0 0 0 0 0 0 0 0 0"); }));
    EXPECT_TRUE(changed([](TForm1& f) { f.TrackBar1.position = 31; }));
    EXPECT_TRUE(changed([](TForm1& f) { f.TrackBar2.position = 0; }));
}
