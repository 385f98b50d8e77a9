// Seeing a run: the record of its steps and rules, the CSV, the trail and the run options; none
// of them may change the run.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>

#include "scenes/scenes.h"
#include "simulation/run_csv.h"
#include "simulation/run_options.h"
#include "simulation/run_status.h"
#include "simulation/simulation_view.h"
#include "ui/form.h"
#include "ui/workspace_form.h"

using namespace vemrik;

namespace {

const std::string kAllOff = "0 0 0 0 0 0 0 0 ";

auto pose(const TForm1& f) {
    return std::tuple{f.State.RobotPosX, f.State.RobotPosY, f.State.RobotHeading, f.State.SensorStates};
}

/// The typical oval on the simulation page, placed on its start cell, with "Start" and "Włącz".
void typicalRun(TForm1& f) {
    applyWorkspace(f, typicalScene());
    f.TabbedNotebook1Change(kSimulationPage);
    f.Timer1Timer();
    f.Button15Click();
    f.BitBtn7Click();
}

}  // namespace

// With two candidates a draw r gives line 1 for r % 3 == 0, line 3 for 1 and no turn for 2. The
// counts then follow their lines through edits of the list, and "Start" forgets them.
TEST(RunRecord, TheRuleThatActedAndHitCountsFollowTheDrawsAndThenTheirLines) {
    TForm1 f;
    f.ListBox1.lines = {"1 0 0 0 0 0 0 1 -30", kAllOff + "10", "1 1 1 1 1 1 1 1 5", kAllOff + "-20"};
    const RunRecord& run = f.engine.Run;
    std::mt19937 draws(Engine::kDefaultSeed);
    std::uint64_t hits[3] = {};
    std::uint32_t r = 0;
    for (std::uint64_t step = 1; step <= 60 || r != 1; ++step) {  // up to a step of line 3
        r = draws() % 3;
        ++hits[r];
        f.BitBtn6Click();
        const int line = r == 0 ? 1 : r == 1 ? 3 : -1;
        ASSERT_EQ(run.lastRule().line, line) << "step " << step;
        ASSERT_EQ(run.row(step - 1).rule, line) << "step " << step;
    }
    EXPECT_GT(hits[0] * hits[1] * hits[2], 0u);
    EXPECT_EQ(std::tuple(run.hits(0), run.hits(1), run.hits(3), run.hits(4)),
              std::tuple(0u, hits[0], hits[1], 0u));
    // Line 0 goes; the new last line has line 1's text but no hits of its own.
    f.ListBox1.deleteAt(0);
    f.ListBox1.add(kAllOff + "10");
    f.engine.Run.followList(f.ListBox1.lines);
    EXPECT_EQ(std::tuple(run.hits(0), run.hits(1), run.hits(2), run.hits(3)),
              std::tuple(hits[0], 0u, hits[1], 0u));
    EXPECT_EQ(run.lastRule().line, 2);
    f.ListBox1.deleteAt(2);
    f.engine.Run.followList(f.ListBox1.lines);
    EXPECT_EQ(lastRuleText(run.lastRule()), "reguła usunięta: 0 0 0 0 0 0 0 0 -20");
    const RunRow& last = run.row(run.rowCount() - 1);  // still names the rule as it was
    EXPECT_EQ(std::tuple(last.rule, std::string(run.ruleText(last))), std::tuple(3, kAllOff + "-20"));
    f.Button15Click();
    EXPECT_EQ(run.steps() + run.rowCount() + run.hits(0) + run.hits(2), 0u);
    EXPECT_EQ(lastRuleText(run.lastRule()), "");
}

TEST(RunRecord, KeepsTheNewestStepsAndTrailPointsOnly) {
    Engine e;
    for (std::size_t i = 0; i < kRunRowBound + 10; ++i) e.step(nullptr);
    EXPECT_EQ(std::tuple(e.Run.steps(), e.Run.rowCount(), e.Run.row(0).step, e.Run.trail().size()),
              std::tuple(kRunRowBound + 10, kRunRowBound, 11u, kTrailBound));
}

// Heading 0 moves 3 pixels straight up; the one rule acts when its draw is even. A sensor over a
// stop cell: the redraw that first reads red marks the step after it, and only it.
TEST(RunCsv, EachStepIsOneRowWithTheShortestNumbersAQuotedRuleAndTheStopItActedOn) {
    TForm1 f;
    f.ListBox1.add(kAllOff + "0,0");
    f.State.RobotGrid.at(10, 10) = kSensor;  // samples (354 .. 356, 201 .. 203) at pose (350.1, 197)
    f.State.MapGrid.at(35, 20) = kStop;
    f.State.RobotPosX = 350.1f;
    f.State.RobotPosY = 200.0f;
    std::mt19937 draws(Engine::kDefaultSeed);
    const auto rule = [&] { return draws() % 2 == 0 ? "1,\"0 0 0 0 0 0 0 0 0,0\"" : "0,"; };
    const std::string first = rule(), second = (draws(), rule());
    f.Button15Click();
    f.BitBtn6Click();
    f.BitBtn5Click();
    f.State.SensorStates = {1, 0, 0, 0, 0, 0, 0, 1};  // no rule matches
    f.BitBtn6Click();
    f.BitBtn5Click();  // still red, but already held: no new stop
    f.BitBtn6Click();
    EXPECT_EQ(runCsv(f.engine.Run),
              "step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop\n"
              "1,0,350.1,197,0,0,0,0,0,0,0,0," +
                  first + ",0\n" + "2,0,350.1,194,1,0,0,0,0,0,0,1,0,,1\n" + "3,0,350.1,191,0,0,0,0,0,0,0,0," +
                  second + ",0\n");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("a\nb"), "\"a\nb\"");
}

TEST(RunOptions, SeedsAreWholeNumbersThatFitIn32BitsAndStartRestartsTheDrawsFromOneWhenAsked) {
    TForm1 f;
    f.engine.Seed = 777;
    f.BitBtn6Click();
    f.engine.RepeatableRuns = true;
    f.Button15Click();
    EXPECT_EQ(f.engine.RandomEngine, std::mt19937(777));
    EXPECT_EQ(seedFromText("  42\t"), 42u);
    EXPECT_EQ(seedFromText("4294967295"), 4294967295u);
    for (const char* bad : {"", "  ", "4294967296", "-1", "+5", "12a", "1 2", "0x10", "3.5"})
        EXPECT_FALSE(seedFromText(bad)) << bad;
}

// No map and no robot: only the trail is drawn, a line of one-pixel steps along the path.
TEST(Trail, FollowsTheReferencePointStepByStepButDoesNotJoinAJump) {
    TForm1 f;
    f.ShowTrail(true);
    f.State.RobotPosX = f.State.RobotPosY = 100.0f;
    f.State.RobotHeading = 90.0f;
    for (int i = 0; i < 3; ++i) f.BitBtn6Click();    // to (109, 100)
    f.State.RobotPosX = f.State.RobotPosY = 200.5f;  // moved by something other than a step
    f.BitBtn6Click();                                // to (203.5, 200.5)
    f.BitBtn5Click();
    const Raster& image = f.Image5.canvas;
    for (int x = 99; x <= 204; ++x)
        EXPECT_EQ(image.pixel(x, x < 150 ? 100 : 200),
                  (x >= 100 && x <= 109) || (x >= 200 && x <= 203) ? kTrailColour : kWhite)
            << x;
    EXPECT_EQ(std::count(image.data(), image.data() + 701 * 401, kTrailColour),
              14);  // the jump is not joined
}

// At ×4 two refresh ticks fall between run ticks, at ×1 eight: each step still acts on the
// sensing of the pose before it. The trail is drawn after the sensing, in a colour no sensor reads.
TEST(RunView, NeitherTheTrailNorFourTimesTheSpeedChangeTheRun) {
    TForm1 plain, fast;
    typicalRun(plain);
    typicalRun(fast);
    fast.ShowTrail(true);
    fast.SetRunSpeed(RunSpeed::Quadruple);
    ASSERT_EQ(fast.Timer2.interval / fast.Timer1.interval, 2);
    int steps = 0;
    for (; steps < 2000 && plain.Timer2.enabled; ++steps) {
        for (int r = 0; r < 8; ++r) plain.Timer1Timer();
        for (int r = 0; r < 2; ++r) fast.Timer1Timer();
        plain.Timer2Timer();
        fast.Timer2Timer();
        // The last step starts wherever a forced redraw left the robot.
        ASSERT_TRUE(!plain.Timer2.enabled || pose(plain) == pose(fast)) << "step " << steps;
    }
    EXPECT_LT(steps, 2000) << "the run never reached the stop";
    EXPECT_FALSE(fast.Timer2.enabled);
}
