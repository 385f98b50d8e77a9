#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/errors.h"
#include "engine/run_control.h"
#include "engine/sensing.h"
#include "engine/step.h"
#include "simulation/simulation_view.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

const char* name(RunState r) {
    switch (r) {
        case RunState::Held:
            return "held";
        case RunState::Ready:
            return "ready";
        case RunState::Running:
            return "running";
        case RunState::Stopping:
            return "stopping";
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
        {"stop sensed", [](TForm1& f) { f.BitBtn5Click(); }, {R::Held, R::Held, R::Stopping, R::Stopping}},
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

// 3e38 + 3e38 is past the float range: the turn that would make the heading infinite fails.
TEST(RunControl, AStepThatWouldLeaveTheFiniteNumbersChangesNothingAndEndsTheRun) {
    TForm1 f;
    enter(f, RunState::Running);
    f.ListBox1.lines = {"0 0 0 0 0 0 0 0 3e38"};
    bool failed = false;
    for (int tick = 0; tick < 64 && !failed; ++tick) {
        const ProgramState before = f.State;
        const std::size_t logged = f.Memo1.total();
        const std::uint64_t recorded = f.engine.Run.steps();
        try {
            f.Timer2Timer();
        } catch (const NonFiniteStepError&) {
            failed = true;
            EXPECT_EQ(f.State.RobotHeading, before.RobotHeading);
            EXPECT_EQ(f.State.RobotPosX, before.RobotPosX);
            EXPECT_EQ(f.State.RobotPosY, before.RobotPosY);
            EXPECT_EQ(f.Memo1.total(), logged);
            EXPECT_EQ(f.engine.Run.steps(), recorded);
            EXPECT_FALSE(f.Timer2.enabled);
        }
    }
    EXPECT_TRUE(failed);
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

namespace {

/// A robot with three sensors 45 pixels ahead of its centre: sensor 0 at 25 pixels left, the
/// double sensor 1 straight ahead, sensor 2 at 25 pixels right.
void buildLineFollower(TForm1& f) {
    Grid& r = f.State.RobotGrid;
    for (int x = 7; x <= 12; ++x)
        for (int y = 8; y <= 12; ++y) r.at(x, y) = kBody;
    r.at(6, 10) = kWheel;
    r.at(13, 10) = kWheel;
    r.at(7, 5) = kSensor;
    r.at(9, 5) = kDoubleHalf;
    r.at(10, 5) = kDoubleHalf;
    r.at(12, 5) = kSensor;
    // Turn towards the side that sees the line; each rule four times, so it acts 4 times in 5.
    for (const char* rule :
         {"1 0 0 0 0 0 0 0 -20", "1 1 0 0 0 0 0 0 -10", "0 0 1 0 0 0 0 0 20", "0 1 1 0 0 0 0 0 10"})
        for (int i = 0; i < 4; ++i) f.ListBox1.add(rule);
}

/// An L: start [5][20], line along row 20 to column 30, down column 30 to the stop at [30][35].
void buildLTrack(TForm1& f) {
    Grid& m = f.State.MapGrid;
    for (int x = 6; x <= 30; ++x) m.at(x, 20) = kLine;
    for (int y = 21; y <= 34; ++y) m.at(30, y) = kLine;
    m.at(5, 20) = kStart;
    m.at(30, 35) = kStop;
}

/// Distance from the L's centre line: (55, 205) to (305, 205), then down to (305, 355).
float offTrack(float x, float y) {
    const float alongRow = std::hypot(x - std::clamp(x, 55.0f, 305.0f), y - 205.0f);
    const float alongColumn = std::hypot(x - 305.0f, y - std::clamp(y, 205.0f, 355.0f));
    return std::min(alongRow, alongColumn);
}

}  // namespace

// The refresh timer ticks every 25 ms and the run timer every 200 ms: eight to one.
TEST(RunEndToEnd, TheRobotFollowsTheLineStopsAtTheStopCellAndReturnsToTheStart) {
    TForm1 f;
    buildLineFollower(f);
    buildLTrack(f);
    f.TabbedNotebook1Change(kSimulationPage);
    f.TrackBar2.position = 90;  // facing right, along the row
    f.TrackBar2Change();
    f.Timer1Timer();
    ASSERT_EQ(f.State.RobotPosX, 55.0f);
    ASSERT_EQ(f.State.RobotPosY, 205.0f);
    f.Button15Click();
    f.BitBtn7Click();
    ASSERT_TRUE(f.Timer2.enabled);

    float worst = 0.0f, lowest = 0.0f;
    int steps = 0, tick = 0;
    for (; tick < 8 * 1000 && f.Timer2.enabled; ++tick) {
        f.Timer1Timer();
        if (tick % 8 != 7) continue;
        f.Timer2Timer();
        ++steps;
        if (f.Timer2.enabled) {  // the last step is taken after the stop, on the way back
            worst = std::max(worst, offTrack(f.State.RobotPosX, f.State.RobotPosY));
            lowest = std::max(lowest, f.State.RobotPosY);
        }
    }
    ASSERT_FALSE(f.Timer2.enabled) << "no stop after " << steps << " steps";
    EXPECT_LT(worst, 20.0f);
    EXPECT_GT(lowest, 300.0f);  // sensors 45 pixels ahead reach the stop cell's row 350
    EXPECT_EQ(f.State.ReturnToStart, 1);
    EXPECT_EQ(f.Memo1.total(), 1u + 4u * unsigned(steps));  // the page switch, then four per step
    f.Timer1Timer();  // any tick draws: the last step asked for a redraw
    EXPECT_EQ(f.State.RobotPosX, 55.0f);
    EXPECT_EQ(f.State.RobotPosY, 205.0f);
    f.BitBtn7Click();
    EXPECT_FALSE(f.Timer2.enabled);  // only "Start" lets it run again
}

// A run without the form: the track painted once, then a step per tick and the placement and
// sensing of the redraw that follows it. The last step may start on the start cell in the form,
// when a forced redraw comes between the stop and the tick, so only its heading is compared.
TEST(RunEndToEnd, AHeadlessRunGivesTheFormsPosesStepForStep) {
    TForm1 f;
    buildLineFollower(f);
    buildLTrack(f);
    f.TabbedNotebook1Change(kSimulationPage);
    f.TrackBar2.position = 90;
    f.TrackBar2Change();
    f.Timer1Timer();
    f.Button15Click();
    f.BitBtn7Click();
    Engine h;
    h.State = f.State;
    h.Rules = f.ListBox1.lines;
    ProgramState& headless = h.State;
    Raster track(701, 401);
    paintTrack(headless, track);
    h.placeAndSense(track);
    bool headlessOn = true;

    int steps = 0;
    for (int tick = 0; tick < 8 * 1000 && f.Timer2.enabled; ++tick) {
        f.Timer1Timer();
        if (tick % 8 != 7) continue;
        const bool last = f.State.ReturnToStart == 1;
        f.Timer2Timer();
        stopTimerIfHeld(headless, headlessOn);
        h.step(nullptr);
        ++steps;
        ASSERT_EQ(headlessOn, f.Timer2.enabled) << "step " << steps;
        ASSERT_EQ(headless.RobotHeading, f.State.RobotHeading) << "step " << steps;
        if (!last) {
            ASSERT_EQ(headless.RobotPosX, f.State.RobotPosX) << "step " << steps;
            ASSERT_EQ(headless.RobotPosY, f.State.RobotPosY) << "step " << steps;
        }
        h.placeAndSense(track);
    }
    EXPECT_FALSE(headlessOn);
    EXPECT_GT(steps, 50);
    f.Timer1Timer();
    EXPECT_EQ(headless.RobotPosX, f.State.RobotPosX);
    EXPECT_EQ(headless.RobotPosY, f.State.RobotPosY);
}
