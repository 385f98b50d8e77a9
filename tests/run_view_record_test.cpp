// The run record: which rule acted, hit counts, what "Start" and "Wróć" forget, its bounds, the
// status texts and the run's CSV.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "simulation/run_csv.h"
#include "simulation/run_options.h"
#include "simulation/run_status.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

const std::string kAllOff = "0 0 0 0 0 0 0 0 ";

/// Two of four rules match all sensors off: lines 1 (+10) and 3 (-20).
void competingRules(TForm1& f) {
    for (const std::string& rule : {std::string("1 0 0 0 0 0 0 1 -30"), kAllOff + "10",
                                    std::string("1 1 1 1 1 1 1 1 5"), kAllOff + "-20"})
        f.ListBox1.add(rule);
}

}  // namespace

// With two candidates a draw r gives line 1 for r % 3 == 0, line 3 for 1 and no turn for 2.
TEST(RunRecord, TheFiredRuleAndHitCountsFollowEachStepsChoice) {
    TForm1 f;
    competingRules(f);
    std::mt19937 draws(Engine::kDefaultSeed);
    std::uint64_t hits[2] = {};
    for (std::uint64_t step = 1; step <= 60; ++step) {
        const std::uint32_t r = draws() % 3;
        f.BitBtn6Click();
        const int line = r == 0 ? 1 : r == 1 ? 3 : -1;
        if (r < 2) ++hits[r];
        ASSERT_EQ(f.engine.Run.lastRule().line, line) << "step " << step;
        EXPECT_EQ(lastRuleText(f.engine.Run.lastRule()), r == 0   ? "reguła 2: 0 0 0 0 0 0 0 0 10"
                                                         : r == 1 ? "reguła 4: 0 0 0 0 0 0 0 0 -20"
                                                                  : "prosto");
        const RunRow& row = f.engine.Run.row(step - 1);
        EXPECT_EQ(row.step, step);
        EXPECT_EQ(row.rule, line);
    }
    EXPECT_EQ(f.engine.Run.steps(), 60u);
    EXPECT_GT(hits[0] * hits[1], 0u);
    EXPECT_EQ(f.engine.Run.hits(0), 0u);
    EXPECT_EQ(f.engine.Run.hits(1), hits[0]);
    EXPECT_EQ(f.engine.Run.hits(3), hits[1]);
    EXPECT_EQ(f.engine.Run.hits(4), 0u);  // no such line
}

TEST(RunRecord, HitCountsAndTheMarkStayWithTheirLinesWhenTheListChanges) {
    TForm1 f;
    competingRules(f);
    for (int i = 0; i < 200 && f.engine.Run.lastRule().line != 3; ++i) f.BitBtn6Click();
    ASSERT_EQ(f.engine.Run.lastRule().line, 3);
    const std::uint64_t hits1 = f.engine.Run.hits(1), hits3 = f.engine.Run.hits(3);
    f.ListBox1.deleteAt(0);
    f.ListBox1.add(kAllOff + "10");  // the same text as line 1: a new line, no hits of its own
    f.engine.Run.followList(f.ListBox1.lines);
    EXPECT_EQ(f.engine.Run.hits(0), hits1);
    EXPECT_EQ(f.engine.Run.hits(1), 0u);
    EXPECT_EQ(f.engine.Run.hits(2), hits3);
    EXPECT_EQ(f.engine.Run.hits(3), 0u);
    EXPECT_EQ(f.engine.Run.lastRule().line, 2);
    f.ListBox1.deleteAt(2);
    f.engine.Run.followList(f.ListBox1.lines);
    EXPECT_EQ(lastRuleText(f.engine.Run.lastRule()), "reguła usunięta: 0 0 0 0 0 0 0 0 -20");
    const RunRow& last = f.engine.Run.row(f.engine.Run.rowCount() - 1);  // still names the rule as it was
    EXPECT_EQ(last.rule, 3);
    EXPECT_EQ(f.engine.Run.ruleText(last), kAllOff + "-20");
}

TEST(RunRecord, StartForgetsTheRunAndBackOnlyTheTrail) {
    TForm1 f;
    competingRules(f);
    for (int i = 0; i < 10; ++i) f.BitBtn6Click();
    f.Button16Click();
    EXPECT_EQ(f.engine.Run.trail().size(), 0u);
    EXPECT_EQ(f.engine.Run.rowCount(), 10u);
    f.BitBtn6Click();
    EXPECT_EQ(f.engine.Run.trail().size(), 2u);
    f.Button15Click();
    EXPECT_EQ(f.engine.Run.steps() + f.engine.Run.rowCount() + f.engine.Run.trail().size() +
                  f.engine.Run.hits(1) + f.engine.Run.hits(3),
              0u);
    EXPECT_EQ(lastRuleText(f.engine.Run.lastRule()), "");
    f.BitBtn6Click();
    EXPECT_EQ(f.engine.Run.row(0).step, 1u);
}

// A sensor over a stop cell: the redraw that first reads red marks the step after it, and only it.
TEST(RunRecord, TheStepAfterTheRedrawThatSawTheStopIsMarked) {
    TForm1 f;
    f.TabbedNotebook1Change(kSimulationPage);
    f.State.RobotGrid.at(10, 10) = kSensor;  // samples (404 .. 406, 204 .. 206) at pose (400, 200)
    f.State.MapGrid.at(40, 20) = kStop;
    f.Button15Click();
    f.BitBtn6Click();  // not yet sensed
    f.State.RobotPosX = 400.0f;
    f.State.RobotPosY = 200.0f;
    f.BitBtn5Click();
    ASSERT_EQ(f.State.ReturnToStart, 1);
    f.BitBtn6Click();
    f.BitBtn6Click();
    f.BitBtn5Click();  // still red, but already held: no new stop
    f.BitBtn6Click();
    ASSERT_EQ(f.engine.Run.rowCount(), 4u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(f.engine.Run.row(i).stop, i == 1) << i;
}

TEST(RunRecord, KeepsTheNewestStepsAndTrailPointsOnly) {
    TForm1 f;
    const std::size_t steps = kRunRowBound + 10;
    for (std::size_t i = 0; i < steps; ++i) f.BitBtn6Click();
    EXPECT_EQ(f.engine.Run.steps(), steps);
    ASSERT_EQ(f.engine.Run.rowCount(), kRunRowBound);
    EXPECT_EQ(f.engine.Run.row(0).step, 11u);
    EXPECT_EQ(f.engine.Run.row(kRunRowBound - 1).step, steps);
    ASSERT_EQ(f.engine.Run.trail().size(), kTrailBound);
    EXPECT_EQ(f.engine.Run.trail().point(kTrailBound - 1).y, f.State.RobotPosY);
    EXPECT_EQ(f.engine.Run.row(kRunRowBound - 1).y, f.State.RobotPosY);
}

TEST(RunStatus, TimeAndPoseAreWorkedOutInTenths) {
    EXPECT_EQ(simulatedTimeText(1), "czas: 0,2 s");
    EXPECT_EQ(simulatedTimeText(12346), "czas: 2469,2 s");
    ProgramState s;
    s.RobotHeading = -30.0f;
    s.RobotPosX = 355.3f;
    s.RobotPosY = 205.0f;
    EXPECT_EQ(poseText(s), "kierunek -30,0°, x 355,3, y 205,0");
}

TEST(RunOptions, SeedsAreWholeNumbersThatFitIn32Bits) {
    EXPECT_EQ(seedFromText("0"), 0u);
    EXPECT_EQ(seedFromText("  42\t"), 42u);
    EXPECT_EQ(seedFromText("4294967295"), 4294967295u);
    for (const char* bad : {"", "  ", "4294967296", "-1", "+5", "12a", "1 2", "0x10", "3.5"})
        EXPECT_FALSE(seedFromText(bad).has_value()) << bad;
}

// Heading 0 moves 3 pixels straight up; the one rule acts when a draw r is even.
TEST(RunCsv, EachStepIsOneRowWithTheShortestNumbersAndAQuotedRule) {
    TForm1 f;
    f.ListBox1.add(kAllOff + "0,0");
    f.State.RobotPosX = 350.1f;
    f.State.RobotPosY = 200.0f;
    const bool acted = std::mt19937(Engine::kDefaultSeed)() % 2 == 0;
    f.BitBtn6Click();
    f.State.SensorStates = {1, 0, 0, 0, 0, 0, 0, 1};  // no rule matches
    f.BitBtn6Click();
    EXPECT_EQ(runCsv(f.engine.Run),
              std::string("step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop\n") +
                  "1,0,350.1,197,0,0,0,0,0,0,0,0," + (acted ? "1,\"0 0 0 0 0 0 0 0 0,0\"" : "0,") + ",0\n" +
                  "2,0,350.1,194,1,0,0,0,0,0,0,1,0,,0\n");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("a\nb"), "\"a\nb\"");
}
