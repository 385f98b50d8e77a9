// Stepping back over a run and going on from there.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "evaluation/headless_run.h"
#include "evaluation/run_setup.h"
#include "scenes/scenes.h"
#include "simulation/simulation_view.h"
#include "tests/engine_edits.h"
#include "ui/form.h"
#include "ui/workspace_form.h"

using namespace vemrik;

namespace {

/// What a run shows: the pose, the senses and the held flag, and the record's steps, hits of
/// every rule, trail, stop seen and last rule.
auto seen(const TForm1& f) {
    const Engine& e = f.engine;
    std::vector<std::uint64_t> hits;
    for (std::size_t i = 0; i < e.rules().size(); ++i) hits.push_back(e.record().hits(static_cast<int>(i)));
    const ProgramState& s = e.state();
    return std::tuple(s.RobotPosX, s.RobotPosY, s.RobotHeading, s.SensorStates, s.ReturnToStart,
                      e.record().steps(), hits, e.record().trail().size(), e.record().stopReachedAt(),
                      e.record().lastRule().line);
}
using Seen = decltype(seen(std::declval<const TForm1&>()));

/// A run tick as the window has it: the step, then the refresh redraws and senses. Every
/// seventh step the page is away, so two steps go without a sensing pass; before step 150 the
/// heading is moved.
void tick(TForm1& f, std::uint64_t step) {
    if (step % 7 == 3) f.TabbedNotebook1Change(kAlgorithmPage);
    if (step % 7 == 5) f.TabbedNotebook1Change(kSimulationPage);
    if (step == 150) f.TrackBar2.position = 45, f.TrackBar2Change();
    f.Timer2Timer();
    f.Timer1Timer();
}

void startTypical(TForm1& f) {
    applyWorkspace(f, typicalScene());
    f.Timer1Timer();
    f.Button15Click();
    f.Timer1Timer();
    f.BitBtn7Click();
}

}  // namespace

// One run never stepped back is the reference; the others go to step `at`, back to `back` (by
// "Krok wstecz" or the slider), perhaps forward on the slider, and then on with the run timer.
TEST(RunHistory, SteppingBackShowsEachStepAsItWasAndGoesOnAsIfNeverSteppedBack) {
    constexpr std::uint64_t kSteps = 400;
    TForm1 reference;
    startTypical(reference);
    std::vector<Seen> expected{seen(reference)};
    for (std::uint64_t n = 1; n <= kSteps; ++n) tick(reference, n), expected.push_back(seen(reference));
    struct Case {
        std::uint64_t at, back, forward;
        bool byButton;
    };
    // Each step named is one at which the page is shown, as it is for a user stepping back.
    for (const Case c : {Case{13, 12, 12, true}, Case{300, 0, 0, false}, Case{301, 120, 162, false},
                         Case{kSteps, 152, 148, false}, Case{61, 21, 56, false}}) {
        SCOPED_TRACE(testing::Message() << c.at << " back to " << c.back << " then " << c.forward);
        TForm1 f;
        startTypical(f);
        for (std::uint64_t n = 1; n <= c.at; ++n) tick(f, n);
        c.byButton ? f.StepBackClick() : f.ShowStep(c.back);
        f.Timer1Timer();
        ASSERT_EQ(std::tuple(seen(f), f.Timer2.enabled), std::tuple(expected[c.back], false));
        f.ShowStep(c.forward);
        f.Timer1Timer();
        f.BitBtn7Click();
        for (std::uint64_t n = c.forward + 1; n <= kSteps; ++n)
            ASSERT_EQ((tick(f, n), seen(f)), expected[n]) << "step " << n;
    }
}

// Opening a file after an edit ends the history without saying it was edited.
TEST(RunHistory, AnEditOrWrocEndsTheHistoryAndStepBackThenChangesNothing) {
    const HistoryEnd ends[] = {HistoryEnd::Edited, HistoryEnd::Edited, HistoryEnd::Edited,
                               HistoryEnd::SentBack, HistoryEnd::NotStarted};
    for (const int edit : {0, 1, 2, 3, 4}) {
        TForm1 f;
        startTypical(f);
        for (std::uint64_t n = 1; n <= 20; ++n) tick(f, n);
        if (edit == 0 || edit == 4) setTrack(f.engine, [](ProgramState& s) { s.MapGrid.at(3, 3) ^= kLine; });
        if (edit == 1) setRobot(f.engine, [](ProgramState& s) { s.RobotGrid.at(0, 0) = kBody; });
        if (edit == 2) f.ListBox1.add("0 0 0 0 0 0 0 0 5");
        if (edit == 3) f.Button16Click();
        if (edit == 4) {
            f.History.follow(f.engine);
            applyWorkspace(f, typicalScene());
        }
        const Seen before = seen(f);
        const bool running = f.engine.running();
        f.StepBackClick();
        f.ShowStep(0);  // the slider's way back
        EXPECT_EQ(std::tuple(seen(f), f.engine.running()), std::tuple(before, running)) << edit;
        EXPECT_EQ(std::tuple(f.History.endedBy(), f.History.active()), std::tuple(ends[edit], false)) << edit;
    }
}

// The first runs of the typical scene that fail within 300 steps. The window makes each again,
// drawing the start's shift and turn and every sensing's flips as the evaluation did; without
// noise up to 20 steps before its end, and 20 steps of "Krok" end it where the evaluation did.
TEST(RunHistory, AReplayedFailedRunEndsAtTheEvaluationsStepAndPose) {
    TForm1 f;
    applyWorkspace(f, typicalScene());
    RunSetup setup = *prepareRun(captureWorkspace(f)).setup;
    for (const Noise noise : {Noise{}, Noise{0.05, 0.0, 0.0}, Noise{0.0, 6.0, 10.0}, Noise{0.02, 3.0, 5.0}}) {
        setup.noise = noise;
        int failed = 0;
        const int byHand = noise.any() ? 0 : 20;
        for (std::uint32_t seed = 1; failed < 3 && seed < 200; ++seed) {
            const RunResult r = runOnce(setup, seed, 300);
            if (r.outcome == Outcome::Success || r.steps < byHand) continue;
            ++failed;
            f.ReplaySeededRun(seed, static_cast<std::uint64_t>(r.steps - byHand), noise);
            for (int n = 0; n < byHand; ++n) f.Timer1Timer(), f.BitBtn6Click();
            EXPECT_EQ(std::tuple(f.engine.record().steps(), f.State.RobotPosX, f.State.RobotPosY,
                                 f.State.RobotHeading),
                      std::tuple(std::uint64_t(r.steps), r.x, r.y, r.heading))
                << noise.flip << " " << noise.shift << " " << seed;
        }
        EXPECT_EQ(failed, 3) << noise.flip << " " << noise.shift;
    }
}
