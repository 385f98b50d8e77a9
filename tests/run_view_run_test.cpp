// Seeing a run on the form: with every option off nothing changes, the trail never changes what
// the sensors read, the speed only sets the interval, and repeatable runs repeat.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/refresh_cycle.h"
#include "scenes/scenes.h"
#include "engine/run_control.h"
#include "simulation/simulation_view.h"
#include "engine/step.h"
#include "engine/trail.h"
#include "ui/form.h"
#include "ui/workspace_form.h"

using namespace vemrik;

namespace {

struct Pose {
    float x, y, heading;
    std::array<std::int32_t, kSensorSlots> sensors;
    bool operator==(const Pose&) const = default;
};

Pose poseOf(const TForm1& f) {
    return {f.State.RobotPosX, f.State.RobotPosY, f.State.RobotHeading, f.State.SensorStates};
}

void expectSameState(const ProgramState& a, const ProgramState& b) {
    EXPECT_EQ(a.ReturnToStart, b.ReturnToStart);
    EXPECT_EQ(a.EditTool, b.EditTool);
    EXPECT_EQ(a.TickCounter, b.TickCounter);
    EXPECT_EQ(a.MouseHeld, b.MouseHeld);
    EXPECT_EQ(a.RedrawPending, b.RedrawPending);
    EXPECT_EQ(a.ActivePage, b.ActivePage);
    EXPECT_EQ(a.RobotGrid, b.RobotGrid);
    EXPECT_EQ(a.MapGrid, b.MapGrid);
    EXPECT_EQ(a.StrokeList, b.StrokeList);
    EXPECT_EQ(a.SensorStates, b.SensorStates);
    EXPECT_EQ(a.SensorCount, b.SensorCount);
    EXPECT_EQ(a.RobotPosX, b.RobotPosX);
    EXPECT_EQ(a.RobotPosY, b.RobotPosY);
    EXPECT_EQ(a.RobotHeading, b.RobotHeading);
    EXPECT_EQ(a.StrokeAnchorX, b.StrokeAnchorX);
    EXPECT_EQ(a.StrokeAnchorY, b.StrokeAnchorY);
}

bool sameImage(const Raster& a, const Raster& b) {
    return a.width() == b.width() && a.height() == b.height() &&
           std::memcmp(a.data(), b.data(),
                       sizeof(std::uint32_t) * std::size_t(a.width()) * std::size_t(a.height())) == 0;
}

std::vector<std::string> memoLines(const Memo& m) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < m.size(); ++i) out.emplace_back(m.line(i));
    return out;
}

/// The typical oval on the simulation page, placed on its start cell.
void typicalRun(TForm1& f) {
    applyWorkspace(f, typicalScene());
    f.TabbedNotebook1Change(kSimulationPage);
    f.Timer1Timer();
}

/// Run ticks with `refreshes` refresh ticks before each, as the intervals have it; the poses
/// after each step.
std::vector<Pose> drive(TForm1& f, int ticks, int refreshes) {
    std::vector<Pose> poses;
    for (int i = 0; i < ticks && f.Timer2.enabled; ++i) {
        for (int r = 0; r < refreshes; ++r) f.Timer1Timer();
        f.Timer2Timer();
        poses.push_back(poseOf(f));
    }
    return poses;
}

}  // namespace

// The plain path is what the simulation handlers did before anything could be seen of a run.
TEST(RunView, WithEveryOptionOffTheFormDrawsAndStepsExactlyAsThePlainPath) {
    TForm1 form, plain;
    for (TForm1* f : {&form, &plain}) {
        applyWorkspace(*f, typicalScene());
        f->TabbedNotebook1Change(kSimulationPage);
    }
    const auto refresh = [&] {
        form.Timer1Timer();
        if (refreshTick(plain.State)) paintSimulationView(plain.engine, plain.Image5.canvas);
    };
    refresh();
    form.Button15Click();
    startRun(plain.State, plain.TrackBar2.position);
    form.BitBtn7Click();
    switchRunOn(plain.State, plain.Timer2.enabled);
    int ticks = 0;
    while (form.Timer2.enabled && ticks < 2000) {
        for (int r = 0; r < 8; ++r) refresh();
        form.Timer2Timer();
        stopTimerIfHeld(plain.State, plain.Timer2.enabled);
        plain.engine.step(&plain.Memo1);
        ++ticks;
        ASSERT_TRUE(sameImage(form.Image5.canvas, plain.Image5.canvas)) << "tick " << ticks;
        ASSERT_EQ(form.State.RobotPosX, plain.State.RobotPosX) << "tick " << ticks;
        ASSERT_EQ(form.State.RobotPosY, plain.State.RobotPosY) << "tick " << ticks;
    }
    for (int r = 0; r < 8; ++r) refresh();
    EXPECT_GT(ticks, 100);
    EXPECT_LT(ticks, 2000) << "the run never reached the stop";
    EXPECT_TRUE(sameImage(form.Image5.canvas, plain.Image5.canvas));
    expectSameState(form.State, plain.State);
    EXPECT_EQ(form.Timer2.enabled, plain.Timer2.enabled);
    EXPECT_EQ(form.Timer2.interval, 200);
    EXPECT_EQ(form.engine.RandomEngine, plain.engine.RandomEngine);
    EXPECT_EQ(memoLines(form.Memo1), memoLines(plain.Memo1));
    EXPECT_EQ(form.Image5.canvas.penColour(), plain.Image5.canvas.penColour());
    EXPECT_EQ(form.Image5.canvas.penWidth(), plain.Image5.canvas.penWidth());
}

TEST(RunView, TheTrailNeverChangesWhatTheSensorsRead) {
    TForm1 on, off;
    typicalRun(on);
    typicalRun(off);
    on.ShowTrail(true);
    for (TForm1* f : {&on, &off}) {
        f->Button15Click();
        f->BitBtn7Click();
    }
    const std::vector<Pose> withTrail = drive(on, 2000, 8);
    const std::vector<Pose> without = drive(off, 2000, 8);
    ASSERT_GT(withTrail.size(), 100u);
    EXPECT_EQ(withTrail, without);
    on.Timer1Timer();
    off.Timer1Timer();
    // The pictures differ only where the trail is.
    int trailPixels = 0;
    for (int y = 0; y < 401; ++y)
        for (int x = 0; x < 701; ++x) {
            const Colour a = on.Image5.canvas.pixel(x, y), b = off.Image5.canvas.pixel(x, y);
            if (a == b) continue;
            ASSERT_EQ(a, kTrailColour) << x << "," << y;
            ++trailPixels;
        }
    EXPECT_GT(trailPixels, 300);
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
    for (int x = 100; x <= 109; ++x) EXPECT_EQ(image.pixel(x, 100), kTrailColour) << x;
    EXPECT_EQ(image.pixel(110, 100), kWhite);
    EXPECT_EQ(image.pixel(99, 100), kWhite);
    for (int x = 200; x <= 203; ++x) EXPECT_EQ(image.pixel(x, 200), kTrailColour) << x;
    EXPECT_EQ(image.pixel(150, 150), kWhite);  // the jump is not joined
    EXPECT_EQ(image.pixel(155, 150), kWhite);
    EXPECT_EQ(std::count(image.data(), image.data() + 701 * 401, kTrailColour), 14);
    EXPECT_EQ(image.penWidth(), 0);

    f.Button16Click();
    f.BitBtn5Click();
    EXPECT_EQ(std::count(image.data(), image.data() + 701 * 401, kTrailColour), 0);
    f.BitBtn6Click();
    f.Button15Click();
    f.BitBtn5Click();
    EXPECT_EQ(std::count(image.data(), image.data() + 701 * 401, kTrailColour), 0);

    f.BitBtn6Click();
    f.ShowTrail(false);
    f.BitBtn5Click();
    EXPECT_EQ(std::count(image.data(), image.data() + 701 * 401, kTrailColour), 0);
}

TEST(RunView, SpeedSetsTheRunTimersIntervalAndNothingElse) {
    TForm1 f, same;
    for (TForm1* g : {&f, &same}) {
        typicalRun(*g);
        g->Button15Click();
        g->BitBtn7Click();
        drive(*g, 20, 8);
    }
    for (const auto& [speed, interval] :
         {std::pair{RunSpeed::Quadruple, 50}, std::pair{RunSpeed::Double, 100},
          std::pair{RunSpeed::Normal, 200}}) {
        f.SetRunSpeed(speed);
        EXPECT_EQ(f.Timer2.interval, interval);
        EXPECT_GT(f.Timer2.interval, f.Timer1.interval);
        expectSameState(f.State, same.State);
        EXPECT_TRUE(f.Timer2.enabled);
        EXPECT_EQ(f.Timer1.interval, 25);
        EXPECT_EQ(f.engine.RandomEngine, same.engine.RandomEngine);
        EXPECT_EQ(f.engine.Run.steps(), same.engine.Run.steps());
        EXPECT_TRUE(sameImage(f.Image5.canvas, same.Image5.canvas));
    }
}

// At ×4 two refresh ticks fall between run ticks, at ×1 eight: each step still acts on the
// sensing of the pose before it, so both runs are the same up to the stop and stop alike.
TEST(RunView, AtFourTimesTheSpeedTheRunIsTheSameAndStopsAsBefore) {
    TForm1 normal, fast;
    typicalRun(normal);
    typicalRun(fast);
    fast.SetRunSpeed(RunSpeed::Quadruple);
    for (TForm1* f : {&normal, &fast}) {
        f->Button15Click();
        f->BitBtn7Click();
    }
    const std::vector<Pose> a = drive(normal, 2000, 200 / 25);
    const std::vector<Pose> b = drive(fast, 2000, 50 / 25);
    ASSERT_LT(a.size(), 2000u) << "the run never reached the stop";
    ASSERT_EQ(a.size(), b.size());
    // The last step, after the stop was seen, starts wherever a forced redraw happened to leave
    // the robot, on the start cell or not, at any speed as before.
    EXPECT_TRUE(std::equal(a.begin(), a.end() - 1, b.begin()));
    EXPECT_FALSE(fast.Timer2.enabled);
    EXPECT_EQ(runState(fast.State, fast.Timer2.enabled), RunState::Held);
    fast.Timer1Timer();
    EXPECT_EQ(fast.State.RobotPosX, 355.0f);  // back on the start cell (35, 34)
    EXPECT_EQ(fast.State.RobotPosY, 345.0f);
}

TEST(RunView, RepeatableRunsRepeatForOneSeedAndDifferForAnother) {
    TForm1 f;
    typicalRun(f);
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
    f.Random();  // the source runs on between the runs
    EXPECT_EQ(run(777), first);
    EXPECT_NE(run(778), first);
    EXPECT_EQ(first.size(), 150u);
}

TEST(RunView, WithoutRepeatableRunsStartNeverRestartsTheSource) {
    TForm1 f;
    typicalRun(f);
    f.engine.Seed = Engine::kDefaultSeed;
    f.Random();
    const std::mt19937 before = f.engine.RandomEngine;
    f.Button15Click();
    EXPECT_EQ(f.engine.RandomEngine, before);
    EXPECT_NE(f.engine.RandomEngine, std::mt19937(Engine::kDefaultSeed));
}
