// The work carries a version that every edit moves on, and what is derived from it (the sample
// points, the kept track layers) is derived again only when the version moved. An edit that
// forgot to move it would leave an old layer or old sample points on screen: these tests edit
// through the form as a user does and hold every redraw to one from scratch.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "map/map_view.h"
#include "scenes/scenes.h"
#include "simulation/simulation_view.h"
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

/// Both track pages redrawn by the form and from scratch, and the sensing of each: whether
/// pixels, sensor states and the sensor count agree.
::testing::AssertionResult redrawsAreFresh(TForm1& form) {
    Engine fresh;
    fresh.load(form.engine.work());
    fresh.restore(form.engine.snapshot());
    Raster simulation(701, 401);
    paintTrack(fresh.state(), simulation);
    fresh.placeAndSense(simulation);
    paintSimulationView(fresh, simulation);
    form.BitBtn5Click();
    if (std::memcmp(form.Image5.canvas.data(), simulation.data(), 4u * 701 * 401) != 0)
        return ::testing::AssertionFailure() << "simulation page";
    if (form.State.SensorStates != fresh.state().SensorStates ||
        form.State.SensorCount != fresh.state().SensorCount)
        return ::testing::AssertionFailure()
               << "sensing: " << form.State.SensorCount << " sensors against " << fresh.state().SensorCount;
    Raster map(701, 401);
    paintMapView(form.State.MapGrid, form.State.StrokeList, map);
    form.BitBtn3Click();
    if (std::memcmp(form.Image2.canvas.data(), map.data(), 4u * 701 * 401) != 0)
        return ::testing::AssertionFailure() << "map page";
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(WorkVersion, EveryEditThroughTheFormIsSeenByTheNextRedraws) {
    TForm1 form;
    applyWorkspace(form, smallWork());
    ASSERT_TRUE(redrawsAreFresh(form));
    const auto robotPress = [&](int x, int y) { form.Image1MouseDown(x, y), form.Image1MouseUp(x, y); };
    const auto mapPress = [&](int x, int y) { form.Image2MouseDown(x, y), form.Image2MouseUp(x, y); };
    // The pages are redrawn between the press and the move, as the refresh cycle may do.
    const auto robotDrag = [&](int x0, int y0, int x1, int y1) {
        form.Image1MouseDown(x0, y0), redrawsAreFresh(form);
        form.Image1MouseMove(x1, y1), form.Image1MouseUp(x1, y1);
    };
    const auto mapDrag = [&](int x0, int y0, int x1, int y1) {
        form.Image2MouseDown(x0, y0), redrawsAreFresh(form);
        form.Image2MouseMove(x1, y1), form.Image2MouseUp(x1, y1);
    };
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"a second sensor pressed", [&] { form.Button4Click(), robotPress(125, 55); }},
        {"a third sensor dragged to", [&] { robotDrag(85, 155, 75, 55); }},
        {"the first sensor erased by a drag", [&] { form.Button2Click(), robotDrag(5, 5, 105, 55); }},
        {"a double sensor pressed", [&] { form.Button12Click(), robotPress(45, 45); }},
        {"a line cell pressed", [&] { form.Button5Click(), mapPress(15, 15); }},
        {"a stop cell dragged to", [&] { form.Button9Click(), mapDrag(695, 395, 605, 305); }},
        {"a cell cleared under the robot's sensor", [&] { form.Button6Click(), mapPress(355, 195); }},
        {"brush strokes",
         [&] { form.Button7Click(), mapDrag(100, 100, 400, 250), mapDrag(400, 250, 300, 50); }},
        {"the newest stroke taken back", [&] { form.Button10Click(); }},
        {"every stroke removed", [&] { form.Button11Click(); }},
        {"another workspace", [&] { applyWorkspace(form, typicalScene()); }},
        {"the small one again", [&] { applyWorkspace(form, smallWork()); }},
    };
    for (const auto& [what, edit] : edits) {
        edit();
        ASSERT_TRUE(redrawsAreFresh(form)) << what;
    }
}

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
         [&] { form.Shell.MouseHeld = 1, form.Image1MouseMove(105, 105), form.Image1MouseUp(0, 0); }},
        {"a line cell pressed", false, true, true,
         [&] { form.Button5Click(), form.Image2MouseDown(15, 15), form.Image2MouseUp(0, 0); }},
        {"the same cell pressed again", false, false, false,
         [&] { form.Image2MouseDown(15, 15), form.Image2MouseUp(0, 0); }},
        {"the same line dragged over", false, false, false,
         [&] { form.Shell.MouseHeld = 1, form.Image2MouseMove(355, 195); }},
        {"the pointer moved, nothing held", false, false, false,
         [&] { form.Image2MouseUp(0, 0), form.Image2MouseMove(15, 15); }},
        {"a brush segment", false, true, true,
         [&] { form.Button7Click(), form.Image2MouseDown(5, 5), form.Image2MouseMove(50, 50); }},
        {"taken back", false, true, true, [&] { form.Image2MouseUp(0, 0), form.Button10Click(); }},
        {"taken back with none left", false, false, false, [&] { form.Button10Click(); }},
        {"removed with none left", false, false, false, [&] { form.Button11Click(); }},
        {"the rule angle", false, false, true, [&] { form.TrackBar1.position = 30, form.TrackBar1Change(); }},
        {"the rule angle left as it is", false, false, false, [&] { form.TrackBar1Change(); }},
        {"the start heading", false, false, true,
         [&] { form.TrackBar2.position = 90, form.TrackBar2Change(); }},
        {"a rule added", false, false, true, [&] { form.Button13Click(); }},
        {"no rule selected to remove", false, false, false, [&] { form.Button14Click(); }},
        {"a sensor ticked", false, false, false,
         [&] { form.CheckBox3.checked = true, form.CheckBox3Click(); }},
        {"a redraw and a step", false, false, false, [&] { form.BitBtn5Click(), form.BitBtn6Click(); }},
        {"a run started, timed, paused and stepped back", false, false, false,
         [&] {
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

TEST(WorkVersion, AnotherEngineHasItsOwn) {
    const Engine a;
    const Engine other;
    EXPECT_NE(other.robotVersion(), a.robotVersion());
    EXPECT_NE(other.trackVersion(), a.trackVersion());
}

// The history ends on an edit it is told of, not on a difference it finds: a cell set and cleared
// again by hand has still been edited, and a press that writes what a cell holds has not.
TEST(WorkVersion, TheHistoryEndsOnAnEditEvenWhenItWasTakenBackByHand) {
    TForm1 form;
    applyWorkspace(form, smallWork());
    form.BitBtn5Click();
    form.Button15Click();
    for (int i = 0; i < 3; ++i) form.BitBtn6Click();
    form.Button5Click();
    form.Image2MouseDown(355, 195), form.Image2MouseUp(0, 0);  // already a line cell
    EXPECT_TRUE(form.History.follow(form.engine));
    form.Image2MouseDown(15, 15), form.Image2MouseUp(0, 0);
    form.Button6Click();
    form.Image2MouseDown(15, 15), form.Image2MouseUp(0, 0);
    EXPECT_FALSE(form.History.follow(form.engine));
}
