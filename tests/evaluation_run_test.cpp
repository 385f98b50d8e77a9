#include <gtest/gtest.h>

#include <cmath>

#include "evaluation/headless_run.h"
#include "evaluation/run_setup.h"
#include "evaluation/summary.h"
#include "scenes/scenes.h"
#include "tests/evaluation_tracks.h"
#include "ui/workspace_form.h"

using namespace vemrik;
using namespace evaltest;

namespace {

RunSetup setupOf(const Workspace& ws) {
    PreparedRun p = prepareRun(ws);
    EXPECT_TRUE(p.setup) << p.error;
    return p.setup ? std::move(*p.setup) : RunSetup{};
}

/// The window as a user drives it: "Symulacja" shown, the held robot placed by a redraw,
/// "Start", "Włącz".
void startInWindow(TForm1& f, std::uint32_t seed) {
    f.engine.RandomEngine.seed(seed);
    f.TabbedNotebook1Change(kSimulationPage);
    f.Timer1Timer();
    f.Button15Click();
    f.BitBtn7Click();
}

/// The refresh ticks between two run ticks: 25 ms to 200 ms.
void refreshTicks(TForm1& f) {
    for (int i = 0; i < 8; ++i) f.Timer1Timer();
}

int patternOf(const ProgramState& s) {
    int bits = 0;
    for (int k = 0; k < kSensorSlots; ++k) bits |= (s.SensorStates[static_cast<std::size_t>(k)] ? 1 : 0) << k;
    return bits;
}

}  // namespace

TEST(HeadlessRun, GivesTheWindowsPosesStepForStepForAThousandSteps) {
    constexpr std::uint32_t kSeed = 20240601u;
    TForm1 f;
    applyWorkspace(f, typicalScene());
    f.State.MapGrid.at(10, 20) = kLine;  // no stop: the robot laps
    const RunSetup setup = setupOf(captureWorkspace(f));
    startInWindow(f, kSeed);
    HeadlessRun run(setup, kSeed);
    ASSERT_EQ(run.x(), f.State.RobotPosX);
    ASSERT_EQ(run.y(), f.State.RobotPosY);
    for (int step = 1; step <= 1000; ++step) {
        refreshTicks(f);
        ASSERT_EQ(run.pattern(), patternOf(f.State)) << "before step " << step;
        ASSERT_FALSE(run.stopSensed());
        f.Timer2Timer();
        run.step();
        ASSERT_EQ(run.heading(), f.State.RobotHeading) << "step " << step;
        ASSERT_EQ(run.x(), f.State.RobotPosX) << "step " << step;
        ASSERT_EQ(run.y(), f.State.RobotPosY) << "step " << step;
    }
    const RunResult r = runOnce(setup, kSeed, 1000);
    EXPECT_EQ(r.outcome, Outcome::Timeout);
    EXPECT_EQ(r.steps, 1000);
    EXPECT_EQ(r.x, f.State.RobotPosX);
    EXPECT_EQ(r.y, f.State.RobotPosY);
    EXPECT_EQ(r.heading, f.State.RobotHeading);
}

TEST(HeadlessRun, EndsWithSuccessAtTheStepAfterWhichTheWindowSensesTheStop) {
    for (const std::uint32_t seed : {1u, 2u, 3u}) {
        TForm1 f;
        applyWorkspace(f, typicalScene());
        const RunSetup setup = setupOf(captureWorkspace(f));
        startInWindow(f, seed);
        int steps = 0;
        for (refreshTicks(f); f.State.ReturnToStart == 0 && steps < 5000; refreshTicks(f)) {
            f.Timer2Timer();
            ++steps;
        }
        ASSERT_EQ(f.State.ReturnToStart, 1) << "seed " << seed;
        const RunResult r = runOnce(setup, seed, 5000);
        EXPECT_EQ(r.outcome, Outcome::Success) << "seed " << seed;
        EXPECT_EQ(r.steps, steps) << "seed " << seed;
        EXPECT_EQ(r.x, f.State.RobotPosX);
        EXPECT_EQ(r.y, f.State.RobotPosY);
    }
}

TEST(HeadlessRun, StraightTrackStopsAtTheWorkedOutStepAndTheLimitComesOnlyBefore) {
    const RunSetup setup = setupOf(straightTrack());
    const RunResult r = runOnce(setup, 7u, kStraightSteps);
    EXPECT_EQ(r.outcome, Outcome::Success);
    EXPECT_EQ(r.steps, kStraightSteps);
    EXPECT_EQ(r.x, 105.0f);
    EXPECT_EQ(r.y, 355.0f - 3.0f * kStraightSteps);
    EXPECT_EQ(r.heading, 0.0f);
    const RunResult cut = runOnce(setup, 7u, kStraightSteps - 1);
    EXPECT_EQ(cut.outcome, Outcome::Timeout);
    EXPECT_EQ(cut.steps, kStraightSteps - 1);
}

TEST(HeadlessRun, AStopUnderTheStartIsASuccessWithoutAStep) {
    Workspace ws = straightTrack();
    ws.map.at(10, 30) = kStop;  // under sensor A at the start: rows 309 .. 311
    ws.map.at(11, 30) = kStop;
    const RunResult r = runOnce(setupOf(ws), 1u, 100);
    EXPECT_EQ(r.outcome, Outcome::Success);
    EXPECT_EQ(r.steps, 0);
}

TEST(HeadlessRun, ASensorPastTheEighthStillFindsTheStop) {
    Workspace ws = straightTrack();
    // Sensor [x][5] reads pixel columns 10x + 9 and 10x + 11; [10][5] is the ninth in order and
    // the only one that reaches the stop cell left at [11][5].
    for (int x = 2; x <= 10; ++x) ws.robot.at(x, 5) = kSensor;
    for (int x = 0; x <= 10; ++x) ws.map.at(x, 5) = kMapEmpty;
    const RunResult r = runOnce(setupOf(ws), 1u, 1000);
    EXPECT_EQ(r.outcome, Outcome::Success);
    EXPECT_EQ(r.steps, kStraightSteps);
}

TEST(HeadlessRun, TheJunctionEndsInTheStopOrLostAtTheWorkedOutSteps) {
    const RunSetup setup = setupOf(junctionTrack());
    bool sawSuccess = false, sawLost = false;
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        const RunResult r = runOnce(setup, seed, 5000);
        if (r.outcome == Outcome::Success) {
            sawSuccess = true;
            EXPECT_EQ(r.steps, kJunctionSuccessSteps);
            EXPECT_EQ(r.heading, 90.0f);
        } else {
            sawLost = true;
            EXPECT_EQ(r.outcome, Outcome::Lost);
            EXPECT_EQ(r.steps, kJunctionLostSteps);
            EXPECT_EQ(r.y, -74.0f);
        }
    }
    EXPECT_TRUE(sawSuccess && sawLost);
}

// Off the map the one sensor reads 0, and the rules for that pattern keep turning the robot, so
// it circles left of the map and may drift back to the stop column. The window's timer path, not
// the runner, says which runs get there. A run that does not is lost if it ends off the map: its
// reference point left of x = -1 - 10 sqrt 2 (the reach of cell [10][10]).
TEST(HeadlessRun, ARobotTurningOffTheMapRunsOnAndReachesTheStopAsInTheWindow) {
    constexpr int kLimit = 2000;
    Workspace ws;
    ws.robot.at(10, 10) = kSensor;
    ws.map.at(0, 20) = kStart;
    for (int y = 0; y < 40; ++y) ws.map.at(3, y) = kStop;
    ws.startHeading = -90;
    ws.rules.assign(4, "0 0 0 0 0 0 0 0 10");
    const RunSetup setup = setupOf(ws);
    int reached = 0;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        TForm1 f;
        applyWorkspace(f, ws);
        startInWindow(f, seed);
        int steps = 0;
        for (f.Timer1Timer(); f.State.ReturnToStart == 0 && steps < kLimit; f.Timer1Timer()) {
            f.Timer2Timer();
            ++steps;
        }
        const RunResult r = runOnce(setup, seed, kLimit);
        if (f.State.ReturnToStart == 1) {
            ++reached;
            EXPECT_EQ(r.outcome, Outcome::Success) << "seed " << seed;
            EXPECT_EQ(r.steps, steps) << "seed " << seed;
        } else {
            EXPECT_EQ(r.outcome, r.x < -16.0f ? Outcome::Lost : Outcome::Timeout) << "seed " << seed;
        }
    }
    EXPECT_GE(reached, 15);
}

// From x = -100 (99 outside, more than the reach of 51) heading right, each step adds exactly 3:
// the robot crosses the map on row 355, which holds nothing, and is lost once x > 701 + 51.
TEST(HeadlessRun, ARobotOffTheMapDrivingTowardsItIsLostOnlyOnceItHasPassed) {
    RunSetup setup = setupOf(straightTrack());
    setup.startX = -100.0f;
    setup.startHeading = -90.0f;
    EXPECT_EQ(runOnce(setup, 1u, 1000).steps, 0);
    setup.startHeading = 90.0f;
    const RunResult r = runOnce(setup, 1u, 1000);
    EXPECT_EQ(r.outcome, Outcome::Lost);
    EXPECT_EQ(r.steps, 284);
    EXPECT_EQ(r.x, 752.0f);
}

// Two turns by 3e38 leave the float range: the run ends there, lost, at the last finite pose.
TEST(HeadlessRun, AStepThatWouldLeaveTheFiniteNumbersEndsTheRunAsLost) {
    Workspace ws = straightTrack();
    ws.rules = {"0 0 0 0 0 0 0 0 3e38"};
    const RunResult r = runOnce(setupOf(ws), 1u, 1000);
    EXPECT_EQ(r.outcome, Outcome::Lost);
    EXPECT_TRUE(r.stepFailed);
    EXPECT_TRUE(std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.heading));
    EXPECT_EQ(summarize({{0, 1u, r}}).failedSteps, 1);
}

TEST(RunSetup, RefusesAMapWithoutStartAndARuleTheStepWouldReadWithABadAngle) {
    Workspace ws = straightTrack();
    ws.map.at(10, 35) = kMapEmpty;
    ws.map.at(70, 40) = kStart;  // never visited, like the window's placement
    EXPECT_EQ(prepareRun(ws).error, "na mapie nie ma pola startu");

    ws = straightTrack();
    ws.rules = {"1 0 0 0 0 0 0 0 10", "0 0 0 0 0 0 0 0 x"};
    const PreparedRun bad = prepareRun(ws);
    EXPECT_FALSE(bad.setup);
    EXPECT_NE(bad.error.find("reguła 2"), std::string::npos) << bad.error;
}

TEST(RunSetup, KeepsTheFirstFourMatchingRulesAndSkipsLinesTheStepNeverReads) {
    Workspace ws = straightTrack();
    ws.rules = {"not a rule at all", "1 0 0 0 0 0 0 0 1", "1 0 0 0 0 0 0 0 2.5", "0 1 0 0 0 0 0 0 -7",
                "1 0 0 0 0 0 0 0 3", "1 0 0 0 0 0 0 0 4", "1 0 0 0 0 0 0 0 oops"};
    const PreparedRun p = prepareRun(ws);
    ASSERT_TRUE(p.setup) << p.error;
    const Candidates& first = p.setup->rules.candidates(0b1);
    EXPECT_EQ(first.count, 4);
    EXPECT_EQ(first.angles[0], 1.0f);
    EXPECT_EQ(first.angles[1], 2.5f);
    EXPECT_EQ(first.angles[3], 4.0f);
    EXPECT_EQ(first.angles[4], 0.0f);
    EXPECT_EQ(p.setup->rules.candidates(0b10).count, 1);
    EXPECT_EQ(p.setup->rules.candidates(0b10).angles[0], -7.0f);
    EXPECT_EQ(p.setup->rules.candidates(0).count, 0);
}
