#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/eval_command.h"
#include "evaluation/headless_run.h"
#include "evaluation/run_many.h"
#include "evaluation/run_setup.h"
#include "evaluation/summary.h"
#include "evaluation/sweep.h"
#include "race/race.h"
#include "race/race_image.h"
#include "tests/evaluation_tracks.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_json.h"

using namespace vemrik;
using namespace evaltest;
namespace fs = std::filesystem;

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

EvaluatedRun record(Outcome o, int steps) { return {0, 0, {o, steps, 0.0f, 0.0f, 0.0f}}; }

const fs::path kDir = fs::temp_directory_path() / ("vemrik_eval_test_" + std::to_string(::getpid()));

std::string path(const char* leaf) { return (kDir / leaf).string(); }
std::string contents(const std::string& p) { return readTextFile(p).text.value_or("?"); }

class EvalCommand : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(kDir);
        std::ofstream(path("straight.vemrik")) << toJson(straightTrack());
    }
    void TearDown() override { fs::remove_all(kDir); }
    /// Runs the command on the words of `line`, "WS" standing for the straight track's file.
    int run(const std::string& line) {
        std::vector<std::string> args;
        std::istringstream words(line);
        for (std::string w; words >> w;) args.push_back(w == "WS" ? path("straight.vemrik") : w);
        out_.str({});
        err_.str({});
        return runEvalCommand(args, out_, err_);
    }

    std::ostringstream out_, err_;
};

}  // namespace

// Its whole run to the stop is in the command's CSV below; one step short it is out of steps.
TEST(HeadlessRun, TheStraightTrackEndsAtTheWorkedOutStepsEvenForANinthSensor) {
    const RunResult cut = runOnce(setupOf(straightTrack()), 7u, kStraightSteps - 1);
    EXPECT_EQ(std::tuple(cut.outcome, cut.steps), std::tuple(Outcome::Timeout, kStraightSteps - 1));
    // Sensor [x][5] reads pixel columns 10x + 9 and 10x + 11: [10][5], the ninth in order, is the
    // only one over the stop cell left at [11][5].
    Workspace ws = straightTrack();
    for (int x = 2; x <= 10; ++x) ws.robot.at(x, 5) = kSensor, ws.map.at(x, 5) = kMapEmpty;
    EXPECT_EQ(runOnce(setupOf(ws), 1u, 1000).steps, kStraightSteps);
    // Without a stop it is lost once y < -1 - 94.34, the reach of cell [2][5] (80 by 50 pixels from the
    // reference point): after 151 steps.
    for (int x = 9; x <= 12; ++x) ws.map.at(x, 5) = kMapEmpty;
    const RunResult lost = runOnce(setupOf(ws), 1u, 1000);
    EXPECT_EQ(std::tuple(lost.outcome, lost.steps, lost.y), std::tuple(Outcome::Lost, 151, -98.0f));
}

// From x = -100 (99 outside, more than the reach of 51) heading away it is lost at once: off the
// map the one sensor reads 0, and only a flip makes it read 1, which a rule turns. Heading right,
// each step adds exactly 3: the robot crosses the map on row 355, which holds nothing, and is lost
// once x > 701 + 51.
TEST(HeadlessRun, ARobotOffTheMapIsLostOnlyOnceNothingCanBringItBack) {
    Workspace ws = straightTrack();
    ws.rules = {"1 0 0 0 0 0 0 0 90"};
    RunSetup setup = setupOf(ws);
    setup.startX = -100.0f;
    setup.startHeading = -90.0f;
    EXPECT_EQ(runOnce(setup, 1u, 1000).steps, 0);
    setup.noise.flip = 0.5;
    EXPECT_GT(runOnce(setup, 1u, 1000).steps, 0);
    setup.noise.flip = 0.0;
    setup.startHeading = 90.0f;
    const RunResult r = runOnce(setup, 1u, 1000);
    EXPECT_EQ(std::tuple(r.outcome, r.steps, r.x), std::tuple(Outcome::Lost, 284, 752.0f));
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
        f.engine.setSeed(seed);
        f.engine.restartDraws();
        f.TabbedNotebook1Change(kSimulationPage);
        f.Timer1Timer();  // places the robot
        f.Button15Click();
        f.BitBtn7Click();
        int steps = 0;
        for (f.Timer1Timer(); f.State.ReturnToStart == 0 && steps < kLimit; f.Timer1Timer()) {
            f.Timer2Timer();
            ++steps;
        }
        const RunResult r = runOnce(setup, seed, kLimit);
        if (f.State.ReturnToStart == 1) {
            ++reached;
            EXPECT_EQ(std::tuple(r.outcome, r.steps), std::tuple(Outcome::Success, steps)) << "seed " << seed;
        } else {
            EXPECT_EQ(r.outcome, r.x < -16.0f ? Outcome::Lost : Outcome::Timeout) << "seed " << seed;
        }
    }
    EXPECT_GE(reached, 15);
}

// Two turns by 3e38 leave the float range: the run ends there, lost, at the last finite pose.
TEST(HeadlessRun, AStepThatWouldLeaveTheFiniteNumbersEndsTheRunAsLost) {
    Workspace ws = straightTrack();
    ws.rules = {"0 0 0 0 0 0 0 0 3e38"};
    const RunResult r = runOnce(setupOf(ws), 1u, 1000);
    EXPECT_EQ(std::tuple(r.outcome, r.stepFailed), std::tuple(Outcome::Lost, true));
    EXPECT_TRUE(std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.heading));
    EXPECT_EQ(summarize({{0, 1u, r}}).failedSteps, 1);
}

TEST(RunSetup, NamesTheFirstRuleWithABadAngle) {
    Workspace ws = straightTrack();
    ws.rules = {"1 0 0 0 0 0 0 0 10", "0 0 0 0 0 0 0 1 x", "1 0 0 0 0 0 0 0 y"};
    EXPECT_EQ(prepareRun(ws).error.rfind("reguła 2: kąt „x”", 0), 0u) << prepareRun(ws).error;
}

TEST(Summary, StepsToTheStopCountOnlySuccessesByNearestRankAndFillTheHistogram) {
    std::vector<EvaluatedRun> runs;
    for (int steps : {100, 20, 90, 40, 30, 60, 80, 50, 10, 70})
        runs.push_back(record(Outcome::Success, steps));
    runs.push_back(record(Outcome::Lost, 1));
    runs.push_back(record(Outcome::Timeout, 5000));
    const Summary s = summarize(runs);
    // The median at rank ceil(0.5 * 10) = 5, the 90th percentile at rank ceil(0.9 * 10) = 9.
    EXPECT_EQ(std::tuple(s.medianSteps, s.p90Steps), std::tuple(50, 90));
    // 91 step counts from 10 to 100 in at most 4 bins: width ceil(91 / 4) = 23, ceil(91 / 23) = 4 bins.
    const Histogram h = stepHistogram(runs, 4);
    EXPECT_EQ(std::tuple(h.first, h.width, h.counts), std::tuple(10, 23, std::vector<int>{3, 2, 2, 3}));
    // Nothing known is an interval of everything; others are checked as the report shows them.
    const Rate none = wilsonRate(0, 0);
    EXPECT_EQ(std::tuple(none.value, none.low, none.high), std::tuple(0.0, 0.0, 1.0));
}

TEST_F(EvalCommand, PrintsTheSummaryAndOneCsvRowPerRun) {
    ASSERT_EQ(run("WS --runs 20 --max-steps 1000 --seed 7 --csv " + path("runs.csv")), 0) << err_.str();
    EXPECT_NE(out_.str().find("Limit kroków 1000, ziarna 7 … 26\n"
                              "Robot dojechał do mety w 20 z 20 prób (100 %); zwykle potrzebował 84 kroków.\n"
                              "Przebiegi: 20\n"),
              std::string::npos)
        << out_.str();
    const std::string rows = contents(path("runs.csv"));  // y = 355 - 3 * 84
    EXPECT_EQ(rows.rfind("run,seed,outcome,steps,x,y,heading\n0,7,success,84,105,103,0\n1,8,", 0), 0u)
        << rows;
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 21);
}

TEST_F(EvalCommand, BadArgumentsExitOneAndABadWorkspaceTwoNamingTheFault) {
    const auto refused = [&](const std::string& line) {
        EXPECT_EQ(run(line), 1) << line;
        EXPECT_NE(err_.str().find("Użycie: vemrik-eval"), std::string::npos) << line;
    };
    for (const char* bad : {"", "WS --runs", "WS --runs 0", "WS --runs 12x", "WS --max-steps -5",
                            "WS --seed 4294967296", "WS --fast", "WS WS", "WS --runs 2 --runs 3"})
        refused(bad);
    for (const char* noise :
         {"--flip 1.5", "--flip nan", "--flip", "--shift -1", "--shift inf", "--turn 1e999", "--sweep",
          "--levels 0,1", "--flip 0.1 --levels 0,2", "--flip 0.1 --levels 0,,1",
          "--flip 0.1 --levels 0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"})
        refused(std::string("WS ") + noise);
    EXPECT_EQ(run("WS --seed 4294967295 --runs 2 --max-steps 1"), 0);
    EXPECT_NE(out_.str().find("ziarna 4294967295 … 0"), std::string::npos) << out_.str();

    EXPECT_EQ(run(path("brak")), 2);
    EXPECT_EQ(std::tuple(out_.str(), err_.str()),
              std::tuple("", "Błąd w pliku „" + path("brak") + "”: plik lub katalog nie istnieje\n"));
}

TEST_F(EvalCommand, ASweepPrintsALineALevelAndItsCsvNamesTheLevel) {
    ASSERT_EQ(run("WS --runs 10 --max-steps 1000 --flip 1 --shift 2 --turn 0 --sweep"), 0) << err_.str();
    // The stop does not flip and the track has no rules: every level reaches it; half the noise at 0,5.
    EXPECT_NE(out_.str().find("0,50   0,500       1,0 px        0,0°    10         100,0 %"),
              std::string::npos)
        << out_.str();
    // "-0" is 0: nowhere "-0,00", "-0,0°" or a level "-0".
    ASSERT_EQ(run("WS --runs 2 --flip 0.5 --turn -0 --levels -0,1 --csv " + path("levels.csv")), 0)
        << err_.str();
    EXPECT_EQ(out_.str().find("-0"), std::string::npos) << out_.str();
    EXPECT_EQ(contents(path("levels.csv")).rfind("level,run,seed,outcome,steps,x,y,heading\n0,0,5489,", 0),
              0u);
}

TEST_F(EvalCommand, ACsvThatCannotBeWrittenIsRefusedBeforeAnyRunAndLeftAsItWas) {
    ASSERT_EQ(::mkfifo(path("rura.csv").c_str(), 0600), 0);
    fs::create_hard_link(path("straight.vemrik"), path("twardy.csv"));
    const std::string before = contents(path("straight.vemrik"));
    for (const std::string& csv :
         {path("no/runs.csv"), path("rura.csv"), path("straight.vemrik"), path("twardy.csv")}) {
        EXPECT_EQ(run("WS --runs 2 --csv " + csv), 3) << csv;
        EXPECT_EQ(err_.str().rfind("Nie można zapisać pliku „" + csv + "”: ", 0), 0u) << err_.str();
        EXPECT_EQ(out_.str(), "");  // no summary: refused before the runs
    }
    EXPECT_TRUE(fs::is_fifo(path("rura.csv")));
    EXPECT_EQ(contents(path("straight.vemrik")), before);
}

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
}

// Without rules the path is the same with or without flips, so each sensing can be compared: every
// sensor state comes out inverted, and the stop, another signal, is not.
TEST(Noise, AFlipOfOneInvertsEveryReadingButNotTheStop) {
    Workspace ws = wanderingTrack();
    ws.rules.clear();
    const RunSetup plain = setupOf(ws);
    const RunSetup flipped = setupOf(ws, {1.0, 0.0, 0.0});
    HeadlessRun a(plain, 3u), b(flipped, 3u);
    for (int step = 0; step < kStraightSteps; ++step, a.step(), b.step()) {
        EXPECT_EQ(b.pattern(), a.pattern() ^ 0b11) << "step " << step;
        EXPECT_EQ(b.stopSensed(), a.stopSensed());
    }
    EXPECT_EQ(poseOf(runOnce(flipped, 3u, 1000)), poseOf(runOnce(plain, 3u, 1000)));
}

TEST(Noise, TheStartMovesWithinTheDiscAndTheTurnWithinItsAngle) {
    const RunSetup setup = setupOf(straightTrack(), {0.0, 7.5, 30.0});
    double widest = 0.0;
    for (std::uint32_t seed = 0; seed < 500; ++seed) {
        const HeadlessRun r(setup, seed);
        const double shift = std::hypot(r.x() - setup.startX, r.y() - setup.startY);
        const double turn = std::abs(r.heading() - setup.startHeading);
        EXPECT_LE(shift, 7.5 + 1e-4) << "seed " << seed;
        EXPECT_LE(turn, 30.0) << "seed " << seed;
        widest = std::max(widest, turn);
    }
    // 500 draws reach near the rim: none past it, yet not crowded at the centre.
    EXPECT_GT(widest, 28.0);
    // Amounts past the largest are held to it, so the pose stays a finite number.
    const RunSetup huge = setupOf(straightTrack(), {0.0, 1e308, 1e308});
    const HeadlessRun far(huge, 1u);
    EXPECT_LE(std::hypot(far.x() - huge.startX, far.y() - huge.startY), kMostShift + 1.0);
    EXPECT_LE(std::abs(far.heading()), kMostTurn);
}

namespace {

Workspace example(const std::string& name) {
    return *readWorkspaceFile(std::string(VEMRIK_EXAMPLES_DIR) + "/" + name + ".vemrik").workspace;
}

EntrantFile entrantFile(const std::string& name) { return {name, toJson(example(name))}; }

}  // namespace

// Each robot of a race runs on the race's track exactly as vemrik-eval runs it alone there.
TEST_F(EvalCommand, EachRaceRowIsVemrikEvalsRowOfThatRobotAloneOnTheTrack) {
    Race race;
    ASSERT_EQ(race.setTrack(example("zigzag")), "");
    race.setSeed(7);
    ASSERT_EQ(race.add({entrantFile("oval"), entrantFile("figure-eight"), entrantFile("zigzag")}), "");
    while (race.step()) {
    }
    ASSERT_TRUE(race.finished());
    std::istringstream rows(race.csv());
    std::string row;
    std::getline(rows, row);
    EXPECT_EQ(row, "name,run,seed,outcome,steps,x,y,heading");
    for (int i = 0; i < race.size(); ++i) {
        std::ofstream(path("alone.vemrik")) << toJson(race.raceWork(i));
        ASSERT_EQ(run("--runs 1 --seed 7 --csv " + path("alone.csv") + " " + path("alone.vemrik")), 0);
        const std::string alone = contents(path("alone.csv"));
        std::getline(rows, row);
        EXPECT_EQ(
            race.entrants()[static_cast<std::size_t>(i)].name + ',' + alone.substr(alone.find('\n') + 1),
            row + '\n');
    }
    EXPECT_EQ(race.order(), (std::vector<int>{2, 0, 1}));  // at the stop by steps, the lost last
}

TEST(Race, RefusedEntrantsLeaveTheRaceAsItWas) {
    Race race;
    EXPECT_NE(race.add({entrantFile("oval")}), "");  // no track yet
    ASSERT_EQ(race.setTrack(example("oval")), "");
    ASSERT_EQ(race.add({entrantFile("oval")}), "");
    EXPECT_NE(race.refusal(), "");
    EXPECT_FALSE(race.step());
    Workspace noRules = example("zigzag");
    noRules.rules.clear();
    Workspace badRule = example("zigzag");
    badRule.rules.push_back("0 0 0 0 0 0 0 0 x");
    const std::vector<std::vector<EntrantFile>> refused = {
        {entrantFile("zigzag"), {"broken", "{"}},
        {entrantFile("zigzag"), {"empty", toJson(noRules)}},
        {{"bad", toJson(badRule)}},
        std::vector<EntrantFile>(Race::kMost, entrantFile("zigzag")),
    };
    for (const std::vector<EntrantFile>& files : refused) {
        EXPECT_NE(race.add(files), "") << files.back().name;
        ASSERT_EQ(race.size(), 1);
        EXPECT_EQ(race.entrants()[0].name, "oval");
    }
    Workspace noStart = example("oval");
    noStart.map = Workspace().map;
    EXPECT_NE(race.setTrack(noStart), "");
    EXPECT_EQ(race.trackWork(), example("oval"));
}

// The kept picture, drawn at every step, puts back only what the robots and names covered; it
// equals one drawn from scratch, also after a robot is taken out. The robots drive the same path:
// where trails cross, the kept one shows the latest step on top.
TEST(RaceImage, TheKeptPictureEqualsANewOneAtEveryStep) {
    Race race;
    ASSERT_EQ(race.setTrack(example("oval")), "");
    ASSERT_EQ(race.add(std::vector<EntrantFile>(3, entrantFile("oval"))), "");
    RaceImage kept;
    const auto same = [&] {
        RaceImage fresh;
        const Raster& a = kept.draw(race);
        const Raster& b = fresh.draw(race);
        return std::equal(a.data(), a.data() + a.width() * a.height(), b.data());
    };
    for (int i = 1; i < 300 && race.step(); ++i)
        ASSERT_TRUE(i % 16 > 0 ? kept.draw(race).width() > 0 : same()) << i;
    race.remove(0);
    EXPECT_TRUE(same());
}
