// The work carries a version that every edit moves on, and what is derived from it (the sample
// points, the kept track layers) is derived again only when the version moved: an edit that
// forgot to move it would leave an old layer or old sample points on screen.
#include <gtest/gtest.h>

#include <functional>

#include "ui/form.h"
#include "ui/workspace_form.h"

using namespace vemrik;

namespace {

/// A robot of one sensor and a body cell, held on a start cell amid line cells.
Workspace smallWork() {
    Workspace ws;
    ws.robot.at(10, 10) = kBody;
    ws.robot.at(10, 5) = kSensor;
    ws.map.at(35, 20) = kStart;
    for (int x = 30; x < 40; ++x) ws.map.at(x, 19) = kLine;
    return ws;
}

}  // namespace

TEST(WorkVersion, EachEditMovesTheVersionOfItsOwnPartOnly) {
    TForm1 form;
    applyWorkspace(form, smallWork());
    // What moves: the robot's version, the track's, the work's.
    struct Case {
        const char* what;
        bool robot, track, work;
        std::function<void()> edit;
    };
    const Case cases[] = {
        {"a body cell pressed", true, false, true,
         [&] { form.Button1Click(), form.Image1MouseDown(15, 15), form.Image1MouseUp(0, 0); }},
        {"a drag over a cell that already holds the tool's code", false, false, false,
         [&] { form.Shell.MouseHeld = 1, form.Image1MouseMove(105, 105); }},
        {"a drag on to an empty cell", true, false, true, [&] { form.Image1MouseMove(125, 125); }},
        {"the sensor erased", true, false, true,
         [&] { form.Image1MouseUp(0, 0), form.Button2Click(), form.Image1MouseDown(105, 55); }},
        {"a line cell pressed", false, true, true,
         [&] {
             form.Image1MouseUp(0, 0), form.Button5Click(), form.Image2MouseDown(15, 15),
                 form.Image2MouseUp(0, 0);
         }},
        {"the same cell pressed again", false, false, false,
         [&] { form.Image2MouseDown(15, 15), form.Image2MouseUp(0, 0); }},
        {"a line dragged on to an empty cell", false, true, true,
         [&] { form.Shell.MouseHeld = 1, form.Image2MouseMove(25, 15); }},
        {"a cell cleared", false, true, true,
         [&] { form.Button6Click(), form.Image2MouseDown(355, 195), form.Image2MouseUp(0, 0); }},
        {"the pointer moved, nothing held", false, false, false,
         [&] { form.Image2MouseUp(0, 0), form.Image2MouseMove(15, 15); }},
        {"a brush segment", false, true, true,
         [&] { form.Button7Click(), form.Image2MouseDown(5, 5), form.Image2MouseMove(50, 50); }},
        {"taken back", false, true, true, [&] { form.Image2MouseUp(0, 0), form.Button10Click(); }},
        {"taken back with none left", false, false, false, [&] { form.Button10Click(); }},
        {"another segment", false, true, true,
         [&] { form.Image2MouseDown(5, 5), form.Image2MouseMove(50, 50), form.Image2MouseUp(0, 0); }},
        {"every stroke removed", false, true, true, [&] { form.Button11Click(); }},
        {"the rule angle", false, false, true, [&] { form.TrackBar1.position = 30, form.TrackBar1Change(); }},
        {"the start heading", false, false, true,
         [&] { form.TrackBar2.position = 90, form.TrackBar2Change(); }},
        {"a rule added", false, false, true, [&] { form.Button13Click(); }},
        {"no rule selected to remove", false, false, false, [&] { form.Button14Click(); }},
        {"a redraw, a step, and a run started, timed, paused and stepped back", false, false, false,
         [&] {
             form.BitBtn5Click(), form.BitBtn6Click();
             form.Button15Click(), form.BitBtn7Click(), form.Timer2Timer(), form.Timer1Timer();
             form.PauseClick(), form.StepBackClick(), form.BitBtn8Click();
         }},
        {"a workspace loaded", true, true, true, [&] { applyWorkspace(form, smallWork()); }},
    };
    for (const Case& c : cases) {
        const std::uint64_t robot = form.engine.robotVersion(), track = form.engine.trackVersion();
        const WorkVersion work = form.engine.workVersion();
        c.edit();
        EXPECT_EQ(form.engine.robotVersion() != robot, c.robot) << c.what;
        EXPECT_EQ(form.engine.trackVersion() != track, c.track) << c.what;
        EXPECT_EQ(form.engine.workVersion() != work, c.work) << c.what;
    }
}
