#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <thread>

#include "evaluation/run_many.h"
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

EvaluatedRun record(Outcome o, int steps) { return {0, 0, {o, steps, 0.0f, 0.0f, 0.0f}}; }

}  // namespace

TEST(RunMany, ACertainTrackSucceedsEveryTimeInTheWorkedOutSteps) {
    const std::atomic<bool> never{false};
    const Evaluation e = runMany(setupOf(straightTrack()), 200, 5000, 1u, nullptr, never);
    const Summary s = summarize(e.runs);
    EXPECT_FALSE(e.cancelled);
    EXPECT_EQ(s.runs, 200);
    EXPECT_EQ(s.successes, 200);
    EXPECT_EQ(s.success.value, 1.0);
    EXPECT_EQ(s.success.high, 1.0);
    EXPECT_NEAR(s.success.low, 0.98116, 1e-4);  // Wilson: n / (n + z^2) = 200 / 203.8415
    EXPECT_EQ(s.medianSteps, kStraightSteps);
    EXPECT_EQ(s.p90Steps, kStraightSteps);
}

TEST(RunMany, AOneInTwoJunctionGivesARateWhoseIntervalHoldsOneHalf) {
    const std::atomic<bool> never{false};
    const Evaluation e = runMany(setupOf(junctionTrack()), 400, 5000, 1000u, nullptr, never);
    const Summary s = summarize(e.runs);
    EXPECT_EQ(s.successes + s.lost, 400);
    EXPECT_LE(s.success.low, 0.5);
    EXPECT_GE(s.success.high, 0.5);
    EXPECT_GT(s.success.high - s.success.low, 0.08);  // about 2 * 1.96 * sqrt(0.25 / 400)
    EXPECT_LT(s.success.high - s.success.low, 0.11);
    EXPECT_EQ(s.medianSteps, kJunctionSuccessSteps);
    EXPECT_DOUBLE_EQ(s.lostRate, 1.0 - s.success.value);
}

TEST(RunMany, RunIUsesBasePlusIWhateverTheThreadsAndWrapsAround) {
    const RunSetup setup = setupOf(junctionTrack());
    const std::atomic<bool> never{false};
    const std::uint32_t base = 0xFFFFFFF0u;  // runs 16 .. 39 wrap to seeds 0 .. 23
    const Evaluation one = runMany(setup, 40, 5000, base, nullptr, never, 1);
    const Evaluation two = runMany(setup, 40, 5000, base, nullptr, never, 2);
    ASSERT_EQ(one.runs.size(), 40u);
    ASSERT_EQ(two.runs.size(), 40u);
    for (int i = 0; i < 40; ++i) {
        const EvaluatedRun& a = one.runs[static_cast<std::size_t>(i)];
        const EvaluatedRun& b = two.runs[static_cast<std::size_t>(i)];
        EXPECT_EQ(a.run, i);
        EXPECT_EQ(a.seed, i < 16 ? base + static_cast<std::uint32_t>(i) : static_cast<std::uint32_t>(i - 16));
        EXPECT_EQ(b.seed, a.seed);
        EXPECT_EQ(b.result.outcome, a.result.outcome) << "run " << i;
        EXPECT_EQ(b.result.steps, a.result.steps) << "run " << i;
        const RunResult alone = runOnce(setup, a.seed, 5000);
        EXPECT_EQ(alone.outcome, a.result.outcome) << "run " << i;
    }
}

TEST(RunMany, CancellingBetweenRunsReportsTheFinishedOnes) {
    std::atomic<bool> cancel{false};
    int calls = 0;
    const Evaluation e = runMany(
        setupOf(straightTrack()), 100000, 5000, 1u,
        [&](int finished, int total) {
            ++calls;
            EXPECT_EQ(finished, calls);
            EXPECT_EQ(total, 100000);
            if (finished == 3) cancel = true;
        },
        cancel);
    EXPECT_TRUE(e.cancelled);
    EXPECT_EQ(e.requested, 100000);
    EXPECT_EQ(static_cast<int>(e.runs.size()), calls);
    EXPECT_GE(calls, 3);
    EXPECT_LT(calls, 100);
    for (std::size_t i = 1; i < e.runs.size(); ++i) EXPECT_LT(e.runs[i - 1].run, e.runs[i].run);
    for (const EvaluatedRun& r : e.runs) EXPECT_EQ(r.result.steps, kStraightSteps);
    EXPECT_EQ(summaryLines(summarize(e.runs), e).front(),
              "Przerwano: ukończono " + std::to_string(calls) + " z 100000 przebiegów");
}

TEST(RunMany, CancellingStopsRunsThatWouldNeverEndAndDropsThem) {
    TForm1 f;
    applyWorkspace(f, typicalScene());
    f.State.MapGrid.at(10, 20) = kLine;  // no stop: each run would go on for INT_MAX steps
    const RunSetup setup = setupOf(captureWorkspace(f));
    std::atomic<bool> cancel{false};
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        cancel = true;
    });
    const Evaluation e = runMany(setup, 4, INT_MAX, 1u, nullptr, cancel);
    canceller.join();
    EXPECT_TRUE(e.cancelled);
    EXPECT_TRUE(e.runs.empty());
}

TEST(Summary, WilsonIntervalsWorkedOutByHand) {
    // 50 of 100: centre 0.5, half 1.96 sqrt(0.0025 + 0.000096) / 1.038415 = 0.09617.
    const Rate half = wilsonRate(50, 100);
    EXPECT_NEAR(half.low, 0.40383, 1e-4);
    EXPECT_NEAR(half.high, 0.59617, 1e-4);
    // 0 of 10: upper bound z^2 / (n + z^2) = 3.8415 / 13.8415.
    const Rate none = wilsonRate(0, 10);
    EXPECT_EQ(none.low, 0.0);
    EXPECT_NEAR(none.high, 0.27753, 1e-4);
    const Rate nothingKnown = wilsonRate(0, 0);
    EXPECT_EQ(nothingKnown.low, 0.0);
    EXPECT_EQ(nothingKnown.high, 1.0);
}

TEST(Summary, StepsToTheStopCountOnlySuccessesByNearestRank) {
    std::vector<EvaluatedRun> runs;
    for (int steps : {100, 20, 90, 40, 30, 60, 80, 50, 10, 70})
        runs.push_back(record(Outcome::Success, steps));
    runs.push_back(record(Outcome::Lost, 1));
    runs.push_back(record(Outcome::Timeout, 5000));
    const Summary s = summarize(runs);
    EXPECT_EQ(s.runs, 12);
    EXPECT_EQ(s.successes, 10);
    EXPECT_EQ(s.lost, 1);
    EXPECT_EQ(s.timeouts, 1);
    EXPECT_EQ(s.medianSteps, 50);  // rank ceil(0.5 * 10) = 5
    EXPECT_EQ(s.p90Steps, 90);     // rank ceil(0.9 * 10) = 9
    EXPECT_EQ(nearestRank({7}, 90), 7);
    EXPECT_FALSE(nearestRank({}, 50));
}

TEST(Summary, HistogramBinsStartAtTheFewestStepsAndCoverTheMost) {
    std::vector<EvaluatedRun> runs;
    for (int steps : {100, 101, 110, 111, 150, 160}) runs.push_back(record(Outcome::Success, steps));
    runs.push_back(record(Outcome::Timeout, 5000));
    // 61 step counts from 100 to 160 in at most 6 bins: width ceil(61 / 6) = 11, 6 bins.
    const Histogram h = stepHistogram(runs, 6);
    EXPECT_EQ(h.first, 100);
    EXPECT_EQ(h.width, 11);
    EXPECT_EQ(h.counts, (std::vector<int>{3, 1, 0, 0, 1, 1}));
    EXPECT_TRUE(stepHistogram({record(Outcome::Lost, 3)}, 6).counts.empty());
}
