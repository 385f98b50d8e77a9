#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "simulation/run_control.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

const char* name(RunState r) {
    switch (r) {
        case RunState::Held: return "held";
        case RunState::Ready: return "ready";
        case RunState::Running: return "running";
        case RunState::Stopping: return "stopping";
    }
    return "?";
}

/// A form in the given run state, on the simulation page, with a stop cell under its one
/// sensor so that a redraw senses red.
void enter(TForm1& f, RunState r) {
    f.State.ReturnToStart = (r == RunState::Held || r == RunState::Stopping) ? 1 : 0;
    f.Timer2.enabled = r == RunState::Running || r == RunState::Stopping;
}

RunState stateOf(TForm1& f) { return runState(f.State, f.Timer2.enabled); }

void putStopUnderSensor(TForm1& f) {
    f.TabbedNotebook1Change(kSimulationPage);
    f.State.RobotGrid.at(10, 10) = kSensor;  // square (404 .. 406, 204 .. 206) at pose (400, 200)
    f.State.MapGrid.at(40, 20) = kStop;
    f.State.RobotPosX = 400.0f;
    f.State.RobotPosY = 200.0f;
}

}  // namespace

TEST(RunControl, EveryEventTakesEveryRunStateWhereTheTableSays) {
    using R = RunState;
    struct Event {
        const char* what;
        std::function<void(TForm1&)> act;
        std::array<R, 4> after;  // from held, ready, running, stopping
    };
    const std::vector<Event> events = {
        {"Start", [](TForm1& f) { f.Button15Click(); }, {R::Ready, R::Ready, R::Running, R::Running}},
        {"Wróć", [](TForm1& f) { f.Button16Click(); }, {R::Held, R::Held, R::Stopping, R::Stopping}},
        {"Włącz", [](TForm1& f) { f.BitBtn7Click(); }, {R::Held, R::Running, R::Running, R::Stopping}},
        {"Wyłącz", [](TForm1& f) { f.BitBtn8Click(); }, {R::Held, R::Held, R::Held, R::Held}},
        {"stop sensed", [](TForm1& f) { f.BitBtn5Click(); },
         {R::Held, R::Held, R::Stopping, R::Stopping}},
    };
    const std::array<R, 4> from = {R::Held, R::Ready, R::Running, R::Stopping};
    for (const Event& e : events)
        for (std::size_t i = 0; i < from.size(); ++i) {
            TForm1 f;
            putStopUnderSensor(f);
            enter(f, from[i]);
            e.act(f);
            EXPECT_EQ(stateOf(f), e.after[i]) << e.what << " from " << name(from[i]);
        }
}

TEST(RunControl, ATickStepsOnceAndTheTickThatSwitchesTheTimerOffStillSteps) {
    for (const RunState from : {RunState::Running, RunState::Stopping}) {
        TForm1 f;
        enter(f, from);
        f.State.RobotPosX = 100.0f;
        f.State.RobotPosY = 100.0f;
        f.Timer2Timer();
        EXPECT_EQ(f.State.RobotPosY, 97.0f) << name(from);
        EXPECT_EQ(f.Memo1.total(), 4u);
        EXPECT_EQ(stateOf(f), from == RunState::Running ? RunState::Running : RunState::Held);
    }
}

TEST(RunControl, TheTrackBarSetsTheHeadingExactlyAndAsksForARedraw) {
    TForm1 f;
    enter(f, RunState::Running);
    for (const int position : {-360, 0, 360, 45}) {
        f.State.RedrawPending = 0;
        f.TrackBar2.position = position;
        f.TrackBar2Change();
        EXPECT_EQ(f.State.RobotHeading, float(position));
        EXPECT_EQ(f.State.RedrawPending, 1);
    }
    EXPECT_EQ(stateOf(f), RunState::Running);
}

TEST(RunControl, StartAndBackSetTheHeadingAndRedrawButNeverMoveTheRobot) {
    TForm1 f;
    f.State.RobotPosX = 12.5f;
    f.State.RobotPosY = 34.5f;
    f.TrackBar2.position = -90;
    f.State.RedrawPending = 0;
    f.Button15Click();
    EXPECT_EQ(f.State.RobotHeading, -90.0f);
    EXPECT_EQ(f.State.RedrawPending, 1);
    f.TrackBar2.position = 180;
    f.State.RedrawPending = 0;
    f.Button16Click();
    EXPECT_EQ(f.State.RobotHeading, 180.0f);
    EXPECT_EQ(f.State.RedrawPending, 1);
    f.State.RedrawPending = 0;
    f.BitBtn8Click();  // "Wyłącz" asks for no redraw
    EXPECT_EQ(f.State.RedrawPending, 0);
    EXPECT_EQ(f.State.RobotPosX, 12.5f);
    EXPECT_EQ(f.State.RobotPosY, 34.5f);
}

TEST(RunControl, RightAfterStartUpSwitchingOnDoesNothing) {
    TForm1 f;
    f.BitBtn7Click();
    EXPECT_FALSE(f.Timer2.enabled);
}
