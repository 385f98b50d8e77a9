#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "evaluation/headless_run.h"
#include "evaluation/run_many.h"
#include "evaluation/run_setup.h"
#include "evaluation/sweep.h"
#include "tests/evaluation_tracks.h"

using namespace vemrik;
using namespace evaltest;

namespace {

RunSetup setupOf(const Workspace& ws, Noise noise = {}) {
    PreparedRun p = prepareRun(ws);
    EXPECT_TRUE(p.setup) << p.error;
    RunSetup setup = p.setup ? std::move(*p.setup) : RunSetup{};
    setup.noise = noise;
    return setup;
}

/// The straight track with a line crossing the robot's path and two sensors, and rules that turn
/// either way on each pattern: every run takes its own path, and flips change it.
Workspace wanderingTrack() {
    Workspace ws = straightTrack();
    ws.robot.at(8, 5) = kSensor;
    for (int y = 15; y <= 30; ++y) ws.map.at(10, y) = kLine;
    ws.rules = {"0 0 0 0 0 0 0 0 5", "0 0 0 0 0 0 0 0 -5", "1 0 0 0 0 0 0 0 20", "0 1 0 0 0 0 0 0 -20"};
    return ws;
}

auto poseOf(const RunResult& r) { return std::tuple(r.outcome, r.steps, r.x, r.y, r.heading); }

const Noise kSomeNoise{0.1, 6.0, 15.0};

}  // namespace

TEST(Noise, NoneAtAllAndLevelZeroOfASweepGiveTheRunsWithoutNoise) {
    const RunSetup plain = setupOf(wanderingTrack());
    const RunSetup noisy = setupOf(wanderingTrack(), kSomeNoise);
    const std::atomic<bool> never{false};
    const Evaluation e = runMany(plain, 30, 2000, 11u, nullptr, never);
    const std::vector<SweepPoint> sweep = runSweep(noisy, {0.0, 1.0}, 30, 2000, 11u, nullptr, never);
    ASSERT_EQ(sweep.size(), 2u);
    int differ = 0;
    for (int i = 0; i < 30; ++i) {
        const auto want = poseOf(e.runs[static_cast<std::size_t>(i)].result);
        EXPECT_EQ(poseOf(sweep[0].evaluation.runs[static_cast<std::size_t>(i)].result), want) << "run " << i;
        differ += poseOf(sweep[1].evaluation.runs[static_cast<std::size_t>(i)].result) != want;
    }
    EXPECT_GT(differ, 20);
    EXPECT_EQ(std::tuple(sweep[1].noise.flip, sweep[1].noise.shift, sweep[1].noise.turn),
              std::tuple(0.1, 6.0, 15.0));
}

TEST(Noise, TheSameSeedRepeatsANoisyRunAndOtherSeedsDiffer) {
    const RunSetup noisy = setupOf(wanderingTrack(), kSomeNoise);
    int same = 0;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        const RunResult r = runOnce(noisy, seed, 2000);
        EXPECT_EQ(poseOf(runOnce(noisy, seed, 2000)), poseOf(r)) << "seed " << seed;
        same += poseOf(runOnce(noisy, seed + 1, 2000)) == poseOf(r);
    }
    EXPECT_EQ(same, 0);
    // Run seeds next to each other get noise seeds far apart, none equal to a run seed.
    EXPECT_NE(noiseSeed(1u), noiseSeed(2u));
    EXPECT_NE(noiseSeed(1u), 1u);
}

// Without rules the path is the same with or without flips, so each sensing can be compared: every
// sensor state comes out inverted, and the stop, another signal, is not.
TEST(Noise, AFlipOfOneInvertsEveryReadingButNotTheStop) {
    Workspace ws = wanderingTrack();
    ws.rules.clear();
    const RunSetup plain = setupOf(ws);
    const RunSetup flipped = setupOf(ws, {1.0, 0.0, 0.0});
    HeadlessRun a(plain, 3u), b(flipped, 3u);
    int sawLine = 0;
    for (int step = 0; step < kStraightSteps; ++step, a.step(), b.step()) {
        EXPECT_EQ(b.pattern(), a.pattern() ^ 0b11) << "step " << step;
        EXPECT_EQ(b.stopSensed(), a.stopSensed());
        sawLine += a.pattern() != 0;
    }
    EXPECT_GT(sawLine, 0);
    EXPECT_EQ(poseOf(runOnce(flipped, 3u, 1000)), poseOf(runOnce(plain, 3u, 1000)));
}

TEST(Noise, TheStartMovesWithinTheDiscAndTheTurnWithinItsAngle) {
    const RunSetup setup = setupOf(straightTrack(), {0.0, 7.5, 30.0});
    double farthest = 0.0, widest = 0.0;
    for (std::uint32_t seed = 0; seed < 500; ++seed) {
        const HeadlessRun r(setup, seed);
        const double shift = std::hypot(r.x() - setup.startX, r.y() - setup.startY);
        const double turn = std::abs(r.heading() - setup.startHeading);
        EXPECT_LE(shift, 7.5 + 1e-4) << "seed " << seed;
        EXPECT_LE(turn, 30.0) << "seed " << seed;
        farthest = std::max(farthest, shift);
        widest = std::max(widest, turn);
    }
    // 500 draws reach near the rims: none past them, yet not crowded at the centre.
    EXPECT_GT(farthest, 7.0);
    EXPECT_GT(widest, 28.0);
    // Amounts past the largest are held to it, so the pose stays a finite number.
    const RunSetup huge = setupOf(straightTrack(), {0.0, 1e308, 1e308});
    const HeadlessRun far(huge, 1u);
    EXPECT_LE(std::hypot(far.x() - huge.startX, far.y() - huge.startY), kMostShift + 1.0);
    EXPECT_LE(std::abs(far.heading()), kMostTurn);
}
