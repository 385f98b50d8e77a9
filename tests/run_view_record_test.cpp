// The run record: which rule acted, hit counts, what "Start" and "Wróć" forget, its bounds, the
// status texts and the run's CSV.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "simulation/run_csv.h"
#include "simulation/run_options.h"
#include "simulation/run_status.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

const std::string kAllOff = "0 0 0 0 0 0 0 0 ";

/// Splits one CSV line into fields, undoing the quotes.
std::vector<std::string> csvFields(const std::string& line) {
    std::vector<std::string> out(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            out.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find('\n', from)) != std::string::npos; from = at + 1)
        out.push_back(text.substr(from, at - from));
    EXPECT_EQ(from, text.size()) << "the last line has no line break";
    return out;
}

/// Two of four rules match all sensors off: lines 1 (+10) and 3 (-20).
void competingRules(TForm1& f) {
    f.ListBox1.add("1 0 0 0 0 0 0 1 -30");
    f.ListBox1.add(kAllOff + "10");
    f.ListBox1.add("1 1 1 1 1 1 1 1 5");
    f.ListBox1.add(kAllOff + "-20");
}

}  // namespace

// With two candidates a draw r gives line 1 for r % 3 == 0, line 3 for 1 and no turn for 2.
TEST(RunRecord, TheFiredRuleAndHitCountsFollowEachStepsChoice) {
    TForm1 f;
    competingRules(f);
    std::mt19937 draws(Engine::kDefaultSeed);
    std::uint64_t hits1 = 0, hits3 = 0;
    float heading = 0.0f;
    for (int step = 1; step <= 60; ++step) {
        const std::uint32_t r = draws() % 3;
        f.BitBtn6Click();
        const int line = r == 0 ? 1 : r == 1 ? 3 : -1;
        hits1 += r == 0;
        hits3 += r == 1;
        heading += r == 0 ? 10.0f : r == 1 ? -20.0f : 0.0f;
        const LastRule last = f.engine.Run.lastRule();
        ASSERT_EQ(last.line, line) << "step " << step;
        EXPECT_EQ(lastRuleText(last), r == 0   ? "reguła 2: 0 0 0 0 0 0 0 0 10"
                                      : r == 1 ? "reguła 4: 0 0 0 0 0 0 0 0 -20"
                                               : "prosto");
        EXPECT_EQ(f.State.RobotHeading, heading);
        const RunRow& row = f.engine.Run.row(static_cast<std::size_t>(step - 1));
        EXPECT_EQ(row.step, static_cast<std::uint64_t>(step));
        EXPECT_EQ(row.rule, line);
        EXPECT_EQ(f.engine.Run.ruleText(row), line < 0 ? "" : f.ListBox1.lines[static_cast<std::size_t>(line)]);
    }
    EXPECT_EQ(f.engine.Run.steps(), 60u);
    EXPECT_GT(hits1, 0u);
    EXPECT_GT(hits3, 0u);
    EXPECT_EQ(f.engine.Run.hits(0), 0u);
    EXPECT_EQ(f.engine.Run.hits(1), hits1);
    EXPECT_EQ(f.engine.Run.hits(2), 0u);
    EXPECT_EQ(f.engine.Run.hits(3), hits3);
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
    EXPECT_EQ(f.engine.Run.lastRule().line, -1);
    EXPECT_EQ(lastRuleText(f.engine.Run.lastRule()), "reguła usunięta: 0 0 0 0 0 0 0 0 -20");
    // The kept steps still name the rule as it was.
    const RunRow& last = f.engine.Run.row(f.engine.Run.rowCount() - 1);
    EXPECT_EQ(last.rule, 3);
    EXPECT_EQ(f.engine.Run.ruleText(last), kAllOff + "-20");
}

TEST(RunRecord, StartForgetsTheRunAndBackOnlyTheTrail) {
    TForm1 f;
    competingRules(f);
    for (int i = 0; i < 10; ++i) f.BitBtn6Click();
    f.Button16Click();
    EXPECT_EQ(f.engine.Run.trail().size(), 0u);
    EXPECT_EQ(f.engine.Run.steps(), 10u);
    EXPECT_EQ(f.engine.Run.rowCount(), 10u);
    f.BitBtn6Click();
    EXPECT_EQ(f.engine.Run.trail().size(), 2u);

    f.Button15Click();
    EXPECT_EQ(f.engine.Run.steps(), 0u);
    EXPECT_EQ(f.engine.Run.rowCount(), 0u);
    EXPECT_EQ(f.engine.Run.trail().size(), 0u);
    EXPECT_EQ(f.engine.Run.hits(1) + f.engine.Run.hits(3), 0u);
    EXPECT_FALSE(f.engine.Run.lastRule().stepped);
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
    f.State.RobotPosX = 400.0f;
    f.State.RobotPosY = 200.0f;
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
    EXPECT_FALSE(f.engine.Run.row(0).stop);
    EXPECT_TRUE(f.engine.Run.row(1).stop);
    EXPECT_FALSE(f.engine.Run.row(2).stop);
    EXPECT_FALSE(f.engine.Run.row(3).stop);
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
    const TrailPoint& newest = f.engine.Run.trail().point(kTrailBound - 1);
    EXPECT_EQ(newest.x, f.State.RobotPosX);
    EXPECT_EQ(newest.y, f.State.RobotPosY);
    EXPECT_EQ(f.engine.Run.row(kRunRowBound - 1).y, f.State.RobotPosY);
}

TEST(RunStatus, TextsOfCountersStateAndPose) {
    EXPECT_EQ(stepsText(0), "kroki: 0");
    EXPECT_EQ(stepsText(1234), "kroki: 1234");
    EXPECT_EQ(simulatedTimeText(0), "czas: 0,0 s");
    EXPECT_EQ(simulatedTimeText(1), "czas: 0,2 s");
    EXPECT_EQ(simulatedTimeText(5), "czas: 1,0 s");
    EXPECT_EQ(simulatedTimeText(12346), "czas: 2469,2 s");
    EXPECT_EQ(runStateText(RunState::Held), "stan: zatrzymany");
    EXPECT_EQ(runStateText(RunState::Ready), "stan: gotowy");
    EXPECT_EQ(runStateText(RunState::Running), "stan: jedzie");
    EXPECT_EQ(runStateText(RunState::Stopping), "stan: zatrzymuje się");
    ProgramState s;
    s.RobotHeading = -30.0f;
    s.RobotPosX = 355.3f;
    s.RobotPosY = 205.0f;
    EXPECT_EQ(poseText(s), "kierunek -30,0°, x 355,3, y 205,0");
    EXPECT_EQ(seedText(5489, false), "ziarno 5489");
    EXPECT_EQ(seedText(42, true), "ziarno 42 (powtarzalne)");
    EXPECT_EQ(hitsText(7), "trafienia od startu: 7");
}

TEST(RunOptions, SpeedsAndSeeds) {
    EXPECT_EQ(runInterval(RunSpeed::Normal), 200);
    EXPECT_EQ(runInterval(RunSpeed::Double), 100);
    EXPECT_EQ(runInterval(RunSpeed::Quadruple), 50);
    EXPECT_EQ(seedFromText("0"), 0u);
    EXPECT_EQ(seedFromText("  42\t"), 42u);
    EXPECT_EQ(seedFromText("4294967295"), 4294967295u);
    for (const char* bad : {"", "  ", "4294967296", "-1", "+5", "12a", "1 2", "0x10", "3.5"})
        EXPECT_FALSE(seedFromText(bad).has_value()) << bad;
}

TEST(RunCsv, FieldsAreQuotedOnlyWhenTheyMustBe) {
    EXPECT_EQ(csvField("1 0 0 0 0 0 0 1 -30"), "1 0 0 0 0 0 0 1 -30");
    EXPECT_EQ(csvField(""), "");
    EXPECT_EQ(csvField("0 0 0 0 0 0 0 0 1,5"), "\"0 0 0 0 0 0 0 0 1,5\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("a\nb"), "\"a\nb\"");
}

// Every number read back is the very float the run had; the rule with a comma survives its quotes.
TEST(RunCsv, ARunReadsBackToItsNumbers) {
    TForm1 f;
    f.ListBox1.add(kAllOff + "1,5");
    f.ListBox1.add("1 0 0 0 0 0 0 1 -7.25");
    f.State.RobotPosX = 350.0f;
    f.State.RobotPosY = 200.0f;
    struct Seen {
        float heading, x, y;
        std::array<std::int32_t, 8> sensors;
    };
    std::vector<Seen> seen;
    for (int i = 0; i < 40; ++i) {
        // Sensors as a pattern would set them: some steps match the second rule.
        const std::int32_t on = (i / 5) % 2;
        f.State.SensorStates = {on, 0, 0, 0, 0, 0, 0, on};
        f.BitBtn6Click();
        seen.push_back({f.State.RobotHeading, f.State.RobotPosX, f.State.RobotPosY, f.State.SensorStates});
    }
    const std::vector<std::string> text = lines(runCsv(f.engine.Run));
    ASSERT_EQ(text.size(), 41u);
    EXPECT_EQ(text[0], "step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop");
    int withComma = 0;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const std::vector<std::string> field = csvFields(text[i + 1]);
        ASSERT_EQ(field.size(), 15u) << text[i + 1];
        EXPECT_EQ(field[0], std::to_string(i + 1));
        EXPECT_EQ(std::strtof(field[1].c_str(), nullptr), seen[i].heading);
        EXPECT_EQ(std::strtof(field[2].c_str(), nullptr), seen[i].x);
        EXPECT_EQ(std::strtof(field[3].c_str(), nullptr), seen[i].y);
        for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(field[4 + k], std::to_string(seen[i].sensors[k]));
        const int rule = std::atoi(field[12].c_str());
        const bool on = seen[i].sensors[0] == 1;
        if (rule == 0) {
            EXPECT_EQ(field[13], "");
        } else {
            EXPECT_EQ(rule, on ? 2 : 1);
            EXPECT_EQ(field[13], on ? "1 0 0 0 0 0 0 1 -7.25" : kAllOff + "1,5");
            withComma += !on;
        }
        EXPECT_EQ(field[14], "0");
    }
    EXPECT_GT(withComma, 0);
}
