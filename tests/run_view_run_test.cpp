// Seeing a run on the form: the trail never changes what the sensors read, the speed only sets the
// interval, and repeatable runs repeat.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "scenes/scenes.h"
#include "simulation/simulation_view.h"
#include "ui/form.h"
#include "ui/workspace_form.h"

using namespace vemrik;

namespace {

struct Pose {
    float x, y, heading;
    std::array<std::int32_t, kSensorSlots> sensors;
    bool operator==(const Pose&) const = default;
};

int trailPixels(const TForm1& f) {
    return static_cast<int>(
        std::count(f.Image5.canvas.data(), f.Image5.canvas.data() + 701 * 401, kTrailColour));
}

/// The typical oval on the simulation page, placed on its start cell, with "Start" and "Włącz".
void typicalRun(TForm1& f) {
    applyWorkspace(f, typicalScene());
    f.TabbedNotebook1Change(kSimulationPage);
    f.Timer1Timer();
    f.Button15Click();
    f.BitBtn7Click();
}

/// Run ticks with `refreshes` refresh ticks before each, as the intervals have it; the poses
/// after each step.
std::vector<Pose> drive(TForm1& f, int ticks, int refreshes) {
    std::vector<Pose> poses;
    for (int i = 0; i < ticks && f.Timer2.enabled; ++i) {
        for (int r = 0; r < refreshes; ++r) f.Timer1Timer();
        f.Timer2Timer();
        poses.push_back({f.State.RobotPosX, f.State.RobotPosY, f.State.RobotHeading, f.State.SensorStates});
    }
    return poses;
}

}  // namespace

TEST(RunView, TheTrailNeverChangesWhatTheSensorsRead) {
    TForm1 on, off;
    on.ShowTrail(true);
    typicalRun(on);
    typicalRun(off);
    const std::vector<Pose> withTrail = drive(on, 2000, 8);
    ASSERT_GT(withTrail.size(), 100u);
    EXPECT_EQ(withTrail, drive(off, 2000, 8));
    on.Timer1Timer();
    off.Timer1Timer();
    // The pictures differ only where the trail is.
    for (int i = 0; i < 701 * 401; ++i) {
        const Colour a = on.Image5.canvas.data()[i];
        ASSERT_TRUE(a == off.Image5.canvas.data()[i] || a == kTrailColour) << i;
    }
    EXPECT_GT(trailPixels(on), 300);
}

// No map and no robot: only the trail is drawn, a line of one-pixel steps along the path.
TEST(RunView, TheTrailFollowsTheReferencePointAndStartAndBackClearIt) {
    TForm1 f;
    f.TabbedNotebook1Change(kSimulationPage);
    f.ShowTrail(true);
    f.State.RobotPosX = 100.0f;
    f.State.RobotPosY = 100.0f;
    f.TrackBar2.position = 90;
    f.Button15Click();
    for (int i = 0; i < 3; ++i) f.BitBtn6Click();  // to (109, 100)
    f.State.RobotPosX = 200.5f;                    // moved by something other than a step
    f.State.RobotPosY = 200.5f;
    f.BitBtn6Click();  // to (203.5, 200.5)
    f.BitBtn5Click();
    const Raster& image = f.Image5.canvas;
    for (int x = 99; x <= 204; ++x)
        EXPECT_EQ(image.pixel(x, x < 150 ? 100 : 200),
                  (x >= 100 && x <= 109) || (x >= 200 && x <= 203) ? kTrailColour : kWhite)
            << x;
    EXPECT_EQ(trailPixels(f), 14);  // the jump is not joined
    EXPECT_EQ(image.penWidth(), 0);
    f.Button16Click();
    f.BitBtn5Click();
    EXPECT_EQ(trailPixels(f), 0);
    f.BitBtn6Click();
    f.Button15Click();
    f.BitBtn5Click();
    EXPECT_EQ(trailPixels(f), 0);
    f.BitBtn6Click();
    f.ShowTrail(false);
    f.BitBtn5Click();
    EXPECT_EQ(trailPixels(f), 0);
}

// At ×4 two refresh ticks fall between run ticks, at ×1 eight: each step still acts on the
// sensing of the pose before it, so both runs are the same up to the stop and stop alike.
TEST(RunView, AtFourTimesTheSpeedTheRunIsTheSameAndStopsAsBefore) {
    TForm1 normal, fast;
    typicalRun(normal);
    typicalRun(fast);
    fast.SetRunSpeed(RunSpeed::Quadruple);
    EXPECT_EQ(fast.Timer2.interval, 50);
    EXPECT_EQ(fast.Timer1.interval, 25);
    const std::vector<Pose> a = drive(normal, 2000, 200 / 25);
    const std::vector<Pose> b = drive(fast, 2000, 50 / 25);
    ASSERT_LT(a.size(), 2000u) << "the run never reached the stop";
    ASSERT_EQ(a.size(), b.size());
    // The last step, after the stop was seen, starts wherever a forced redraw happened to leave
    // the robot, on the start cell or not, at any speed as before.
    EXPECT_TRUE(std::equal(a.begin(), a.end() - 1, b.begin()));
    EXPECT_FALSE(fast.Timer2.enabled);
    fast.Timer1Timer();
    EXPECT_EQ(fast.State.RobotPosX, 355.0f);  // back on the start cell (35, 34)
    EXPECT_EQ(fast.State.RobotPosY, 345.0f);
}

TEST(RunView, RepeatableRunsRepeatForOneSeedAndOnlyThen) {
    TForm1 f;
    typicalRun(f);
    f.engine.RandomEngine();
    const std::mt19937 before = f.engine.RandomEngine;
    f.Button15Click();
    EXPECT_EQ(f.engine.RandomEngine, before) << "not repeatable: Start leaves the source alone";
    f.engine.RepeatableRuns = true;
    const auto run = [&](std::uint32_t seed) {
        f.engine.Seed = seed;
        f.Button16Click();
        f.Timer1Timer();  // back on the start cell
        f.Button15Click();
        f.BitBtn7Click();
        const std::vector<Pose> poses = drive(f, 150, 8);
        f.BitBtn8Click();
        return poses;
    };
    const std::vector<Pose> first = run(777);
    EXPECT_EQ(first.size(), 150u);
    f.engine.RandomEngine();  // the source runs on between the runs
    EXPECT_EQ(run(777), first);
    EXPECT_NE(run(778), first);
}
