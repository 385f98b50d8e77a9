// Seeing a run: the record of its steps and rules, the CSV, the trail and the run options; none
// of them may change the run.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "analysis/run_csv.h"
#include "scenes/scenes.h"
#include "simulation/run_options.h"
#include "simulation/run_status.h"
#include "simulation/simulation_view.h"
#include "simulation/timeline_feed.h"
#include "tests/engine_edits.h"
#include "ui/form.h"
#include "ui/simulation_notice.h"
#include "ui/status_line.h"
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
    f.engine.setRules(
        RuleList({"1 0 0 0 0 0 0 1 -30", kAllOff + "10", "1 1 1 1 1 1 1 1 5", kAllOff + "-20"}));
    const RunRecord& run = f.engine.record();
    std::mt19937 draws(Engine::kDefaultSeed);
    std::uint64_t hits[3] = {};
    std::uint32_t r = 0;
    for (std::uint64_t step = 1; step <= 60 || r != 1; ++step) {  // up to a step of line 3
        r = draws() % 3;
        ++hits[r];
        f.BitBtn6Click();
        const int line = r == 0 ? 1 : r == 1 ? 3 : -1;
        ASSERT_EQ(std::tuple(run.lastRule().line, run.row(step - 1).rule), std::tuple(line, line)) << step;
    }
    // Line 0 goes; the new last line has line 1's text but no hits of its own.
    f.ListBox1.deleteAt(0);
    f.ListBox1.add(kAllOff + "10");
    EXPECT_EQ(std::tuple(run.hits(-1), run.hits(0), run.hits(1), run.hits(2), run.hits(3), run.hits(4)),
              std::tuple(0u, hits[0], 0u, hits[1], 0u, 0u));
    EXPECT_EQ(run.lastRule().line, 2);
    f.ListBox1.deleteAt(2);
    EXPECT_EQ(lastRuleText(run.lastRule()), "reguła usunięta: 0 0 0 0 0 0 0 0 -20");
    const RunRow& last = run.row(run.rowCount() - 1);  // still names the rule as it was
    EXPECT_EQ(std::tuple(last.rule, std::string(run.ruleText(last))), std::tuple(3, kAllOff + "-20"));
    f.Button15Click();
    EXPECT_EQ(run.steps() + run.rowCount() + run.hits(0) + run.hits(2), 0u);
    EXPECT_EQ(lastRuleText(run.lastRule()), "");
}

TEST(RunRecord, KeepsTheNewestStepsAndTrailPointsOnly) {
    Engine e;
    for (std::size_t i = 0; i < kRunRowBound + 10; ++i) e.advance(1, nullptr);
    EXPECT_EQ(std::tuple(e.record().steps(), e.record().rowCount(), e.record().row(0).step,
                         e.record().trail().size()),
              std::tuple(kRunRowBound + 10, kRunRowBound, 11u, kTrailBound));
    // Oldest to newest across the store's end: each row the step after the one before.
    std::size_t outOfOrder = 0;
    for (std::size_t i = 1; i < kRunRowBound; ++i)
        outOfOrder += e.record().row(i).step != e.record().row(i - 1).step + 1;
    EXPECT_EQ(outOfOrder, 0u);
}

// Heading 0 moves 3 pixels straight up; the one rule acts when its draw is even. A sensor over a
// stop cell: the redraw that first reads red marks the step after it, and only it.
TEST(RunCsv, EachStepIsOneRowWithTheShortestNumbersAQuotedRuleAndTheStopItActedOn) {
    TForm1 f;
    f.ListBox1.add(kAllOff + "0,0");
    // Samples (354 .. 356, 201 .. 203) at pose (350.1, 197).
    setRobot(f.engine, [](ProgramState& s) { s.RobotGrid.at(10, 10) = kSensor; });
    setTrack(f.engine, [](ProgramState& s) { s.MapGrid.at(35, 20) = kStop; });
    setRun(f.engine, [](RunMoment& m) { m.x = 350.1f, m.y = 200.0f; });
    std::mt19937 draws(Engine::kDefaultSeed);
    const auto rule = [&] { return draws() % 2 == 0 ? "1,\"0 0 0 0 0 0 0 0 0,0\"" : "0,"; };
    const std::string first = rule(), second = (draws(), rule());
    f.Button15Click();
    f.BitBtn6Click();
    f.BitBtn5Click();
    setRun(f.engine, [](RunMoment& m) { m.sensors = {1, 0, 0, 0, 0, 0, 0, 1}; });  // no rule matches
    f.BitBtn6Click();
    f.BitBtn5Click();  // still red, but already held: no new stop
    f.BitBtn6Click();
    EXPECT_EQ(runCsv(f.engine.record()),
              "step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop\n"
              "1,0,350.1,197,0,0,0,0,0,0,0,0," +
                  first + ",0\n" + "2,0,350.1,194,1,0,0,0,0,0,0,1,0,,1\n" + "3,0,350.1,191,0,0,0,0,0,0,0,0," +
                  second + ",0\n");
    EXPECT_NE(runCsv(f.engine.record(), CsvForm::Sheet).find("\n2;0;350,1;194;1;0;0;0;0;0;0;1;0;;1\n"),
              std::string::npos);
    EXPECT_EQ(csvField("a\nb"), "\"a\nb\"");
}

TEST(RunOptions, SeedsAreWholeNumbersThatFitIn32BitsAndStartRestartsTheDrawsFromOneWhenAsked) {
    TForm1 f;
    f.engine.setSeed(777);
    f.BitBtn6Click();
    f.engine.setRepeatableRuns(true);
    f.Button15Click();
    EXPECT_EQ(f.engine.run().draws, std::mt19937(777));
    EXPECT_EQ(seedFromText("  42\t"), 42u);
    EXPECT_EQ(seedFromText("4294967295"), 4294967295u);
    for (const char* bad : {"", "  ", "4294967296", "-1", "+5", "12a", "1 2", "0x10", "3.5"})
        EXPECT_FALSE(seedFromText(bad)) << bad;
}

// No map and no robot: only the trail is drawn, a line of one-pixel steps along the path.
TEST(Trail, FollowsTheReferencePointStepByStepButDoesNotJoinAJump) {
    TForm1 f;
    f.ShowTrail(true);
    setRun(f.engine, [](RunMoment& m) { m.x = m.y = 100.0f, m.heading = 90.0f; });
    for (int i = 0; i < 3; ++i) f.BitBtn6Click();                // to (109, 100)
    setRun(f.engine, [](RunMoment& m) { m.x = m.y = 200.5f; });  // moved by something other than a step
    f.BitBtn6Click();                                            // to (203.5, 200.5)
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
// A pause at step 40 keeps the run through refreshes; "Krok" goes on by one step, still paused.
TEST(RunView, NeitherTheTrailNorFourTimesTheSpeedNorAPauseChangeTheRun) {
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
        if (steps == 40) {
            fast.PauseClick();
            for (int r = 0; r < 100; ++r) fast.Timer1Timer();
            fast.BitBtn6Click();
            fast.Timer1Timer();
            EXPECT_EQ(std::tuple(fast.engine.record().steps(), fast.History.steps(), fast.Paused),
                      std::tuple(41u, 41u, true));
            fast.BitBtn7Click();
            EXPECT_EQ(std::tuple(fast.Timer2.enabled, fast.Paused), std::tuple(true, false));
        } else {
            fast.Timer2Timer();
        }
        // The last step starts wherever a forced redraw left the robot.
        ASSERT_TRUE(!plain.Timer2.enabled || std::tuple(pose(plain), plain.engine.record().trail().size()) ==
                                                 std::tuple(pose(fast), fast.engine.record().trail().size()))
            << "step " << steps;
    }
    EXPECT_LT(steps, 2000) << "the run never reached the stop";
    EXPECT_FALSE(fast.Timer2.enabled);
}

TEST(RunStatus, TheHeadingReadsAsACompassWithinZeroTo360) {
    const std::pair<float, const char*> cases[] = {
        {450.0f, "90,0"}, {-90.0f, "270,0"}, {720.5f, "0,5"},  {359.96f, "0,0"},
        {-0.04f, "0,0"},  {-0.0f, "0,0"},    {12.34f, "12,3"}, {-725.0f, "355,0"},
    };
    for (const auto& [heading, shown] : cases) {
        ProgramState s;
        s.RobotHeading = heading;
        s.RobotPosX = 7.25f;
        EXPECT_EQ(poseText(s), std::string("kierunek ") + shown + "°, x 7,2, y 0,0") << heading;
    }
}

namespace {

/// One sensor at [10][5], no rules: heading 0 moves straight up 3 pixels a step. Its samples lie
/// 4 .. 6 pixels right of and 44 .. 46 above the reference point. Started with "Start" and "Włącz".
void upwardRun(TForm1& f, int startRow, int stopRow = -1) {
    f.TabbedNotebook1Change(kSimulationPage);
    setRobot(f.engine, [](ProgramState& s) { s.RobotGrid.at(10, 5) = kSensor; });
    setTrack(f.engine, [&](ProgramState& s) {
        s.MapGrid.at(10, startRow) = kStart;  // centre (105, 10 * startRow + 5)
        if (stopRow >= 0) s.MapGrid.at(10, stopRow) = kStop;
    });
    f.Timer1Timer();  // placed on it
    f.Button15Click();
    f.BitBtn7Click();
}

std::string eventOf(const TForm1& f) {
    return runEventText(runState(f.State, f.Timer2.enabled), f.engine.record(), f.State, f.StartRefused);
}

/// A run tick and the redraw after it.
void runTick(TForm1& f) {
    f.Timer2Timer();
    f.BitBtn5Click();
}

}  // namespace

// From (105, 305) the samples reach y 208, inside the stop cell's rows 200 .. 209, after 17 steps.
// The next tick still steps and holds the robot; "Start" forgets the stop.
TEST(RunStatus, AStoppedRunSaysInHowManyStepsItReachedTheStop) {
    TForm1 f;
    upwardRun(f, 30, 20);
    for (int step = 1; step <= 17; ++step) runTick(f);
    EXPECT_EQ(std::tuple(eventOf(f), runState(f.State, f.Timer2.enabled)),
              std::tuple(std::string("dojechał do stopu w 17 krokach"), RunState::Stopping));
    runTick(f);
    EXPECT_EQ(std::tuple(eventOf(f), f.engine.record().steps(), f.State.RobotPosY, f.Timer2.enabled),
              std::tuple(std::string("dojechał do stopu w 17 krokach"), 18u, 305.0f, false));
    f.Button15Click();
    EXPECT_EQ(eventOf(f), "");
}

// From (105, 15) step 5 reaches y 0, still on the map, and step 6 y -3. Turned round it is back on
// at y 0 five steps later.
TEST(RunStatus, ARobotOffTheMapSaysSinceWhichStep) {
    TForm1 f;
    upwardRun(f, 1);
    for (int step = 1; step <= 5; ++step) runTick(f);
    EXPECT_EQ(eventOf(f), "");
    for (int step = 6; step <= 10; ++step) runTick(f);
    EXPECT_EQ(eventOf(f), "poza mapą od kroku 6");
    setRun(f.engine, [](RunMoment& m) { m.heading = 180.0f; });
    for (int step = 11; step <= 15; ++step) runTick(f);
    EXPECT_EQ(std::tuple(eventOf(f), f.State.RobotPosY), std::tuple(std::string(), 0.0f));
    setRun(f.engine, [](RunMoment& m) { m.heading = 0.0f; });
    runTick(f);
    EXPECT_EQ(eventOf(f), "poza mapą od kroku 16");
}

// 71 × 41 cells of 10 px, of which the last column and row are never painted: 700 × 400 px.
TEST(RunStatus, TheDrawnMapEndsBeforeTheLastColumnAndRowOfCells) {
    const std::tuple<float, float, bool> cases[] = {{0.0f, 0.0f, true},    {699.9f, 399.9f, true},
                                                    {700.0f, 5.0f, false}, {5.0f, 400.0f, false},
                                                    {-0.1f, 5.0f, false},  {5.0f, -0.1f, false}};
    for (const auto& [x, y, on] : cases) EXPECT_EQ(onDrawnMap(x, y), on) << x << "," << y;
}

// The window's "Start" on a map without a start cell says why, until the map has one. The last
// column and row are never looked at; column by column, the last start cell wins.
TEST(RunStatus, StartWithoutAStartCellSaysWhy) {
    TForm1 f;
    setTrack(f.engine, [](ProgramState& s) { s.MapGrid.at(70, 5) = s.MapGrid.at(20, 40) = kStart; });
    f.StartFromStartCell();
    EXPECT_EQ(eventOf(f), "Brak pola Start na mapie");
    setTrack(f.engine, [](ProgramState& s) { s.MapGrid.at(3, 39) = s.MapGrid.at(5, 30) = kStart; });
    EXPECT_EQ(eventOf(f), "");
    f.BitBtn5Click();  // held, placed at the redraw
    f.StartFromStartCell();
    EXPECT_EQ(std::tuple(runState(f.State, false), f.StartRefused, f.State.RobotPosX, f.State.RobotPosY),
              std::tuple(RunState::Ready, false, 55.0f, 305.0f));
}

namespace {

/// A run tick and the redraw, each followed by the after-event step, as the window gives them.
void windowTick(TForm1& f) {
    f.Timer2Timer();
    f.afterEvent();
    f.BitBtn5Click();
    f.afterEvent();
}

struct Shown {
    NoticeKind kind;
    std::string text;
    std::vector<std::string_view> buttons;
    bool operator==(const Shown&) const = default;
};

Shown shown(const TForm1& f) {
    const SimulationNotice n = simulationNotice(f);
    Shown s{n.kind, {}, {}};
    for (const NoticeText& line : n.lines) s.text += line.spoken();
    for (const NoticeButton& b : n.buttons) s.buttons.push_back(b.id);
    return s;
}

}  // namespace

// Which notice the image shows: the first start on empty work, off the map from its step with the
// edge mark, a stop cell under the body (column 13) that the sensor (x 109 .. 111) never touches
// from step 17, the finish in the steps the status says; the last two until an event changes
// the form. Sensors see all 0 off the map and no rule turns: the lost rule ends the run at the
// step y drops below -1 minus the reach (about 51), the 23rd, when asked.
TEST(SimulationNotice, WhatIsShownOverTheImageInEachState) {
    TForm1 empty;
    EXPECT_EQ(shown(empty), (Shown{NoticeKind::FirstStart,
                                   "Witaj w Vemriku!Robot jeździ po mapie według reguł. Od czego zaczniesz?",
                                   {"file.examples", kRobotPageButton, "help.guide"}}));

    // Any one part of the work made ends the first start.
    for (int part = 0; part < 4; ++part) {
        TForm1 made;
        if (part == 0) made.engine.setRules(RuleList({kAllOff + "0"}));
        if (part == 1) setTrack(made.engine, [](ProgramState& s) { s.MapGrid.at(3, 3) = kLine; });
        if (part == 2) setTrack(made.engine, [](ProgramState& s) { s.StrokeList.setColumns(1); });
        if (part == 3) setRobot(made.engine, [](ProgramState& s) { s.RobotGrid.at(3, 3) = kWheel; });
        EXPECT_EQ(shown(made).kind, NoticeKind::None) << part;
    }

    TForm1 off;
    upwardRun(off, 1);
    for (int step = 1; step <= 10; ++step) windowTick(off);
    EXPECT_EQ(shown(off), (Shown{NoticeKind::OffMap, "Robot wyjechał poza mapę w kroku 6", {"sim.back"}}));
    const EdgeMark edge = *simulationNotice(off).edge;
    EXPECT_EQ(std::tuple(edge.x, edge.y, edge.dx, edge.dy), std::tuple(105, 0, 0.0f, -1.0f));
    off.Button16Click();
    EXPECT_EQ(shown(off).kind, NoticeKind::None);

    TForm1 unseen;
    upwardRun(unseen, 30);
    setRobot(unseen.engine, [](ProgramState& s) { s.RobotGrid.at(12, 10) = kBody; });
    setTrack(unseen.engine, [](ProgramState& s) { s.MapGrid.at(13, 25) = kStop; });
    for (int step = 1; step <= 16; ++step) windowTick(unseen);
    EXPECT_EQ(shown(unseen).kind, NoticeKind::None);
    for (int step = 17; step <= 25; ++step) windowTick(unseen);
    EXPECT_EQ(shown(unseen).kind, NoticeKind::UnseenStop);
    RunTimeline timeline;  // the time line marks the one step the pass began at
    followRun(timeline, unseen.engine.record(), TimelineFeed{0, 1, 701, 401, {}, &unseen.State});
    std::vector<std::uint64_t> marked;
    for (std::size_t i = 0; i < timeline.size(); ++i)
        if (timeline.step(i).facts & kFactUnseenStop) marked.push_back(timeline.firstStep() + i);
    EXPECT_EQ(marked, std::vector<std::uint64_t>{17});
    unseen.ShowTrail(true);
    unseen.afterEvent();
    EXPECT_EQ(shown(unseen).kind, NoticeKind::None);

    TForm1 finish;
    upwardRun(finish, 30, 20);
    for (int step = 1; step <= 18; ++step) windowTick(finish);
    EXPECT_EQ(shown(finish), (Shown{NoticeKind::Finish, "Meta! 17 kroków", {}}));
    EXPECT_EQ(
        statusLine(finish).stepsHint,
        "czujnik zobaczył stop po kroku 17; zegar przebiegu zrobił jeszcze krok 18, zanim robot stanął");
    finish.Timer1Timer();  // a redraw changes nothing
    finish.afterEvent();
    EXPECT_TRUE(simulationNotice(finish).large);
    finish.TabbedNotebook1Change(kMapPage);
    finish.afterEvent();
    finish.TabbedNotebook1Change(kSimulationPage);
    finish.afterEvent();
    EXPECT_EQ(shown(finish).kind, NoticeKind::None);

    for (const bool endLost : {false, true}) {
        TForm1 lost;
        upwardRun(lost, 1);
        if (endLost) lost.ToggleEndLostRun();
        for (int step = 1; step <= 30 && lost.Timer2.enabled; ++step) windowTick(lost);
        EXPECT_EQ(std::tuple(lost.engine.record().steps(), lost.Timer2.enabled),
                  std::tuple(endLost ? 23u : 30u, !endLost));
        EXPECT_EQ(shown(lost).kind, NoticeKind::OffMap);
    }
}
