// Every workspace in examples/ opened as the user opens it and run on the form's own timer path,
// 8 refresh ticks to each run tick as 25 ms to 200 ms, until a sensor touches the stop cell.
// The step limits are the ones the README states.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/form.h"
#include "workspace/workspace_file.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_json.h"

using namespace vemrik;

namespace {

struct Point {
    double x;
    double y;
};

/// What one run left behind: the position and the sensor states of each redraw after "Start".
struct ExampleRun {
    bool loaded = false;
    bool stopped = false;  ///< a sensing pass set ReturnToStart
    long steps = 0;        ///< steps made before that
    Point placed{};        ///< where the first redraw put the robot
    std::vector<Point> path;
    std::vector<std::array<std::int32_t, kSensorSlots>> states;
    bool timerOffAfterStop = false;
    Point afterStop{};  ///< where the redraw after the last tick put the robot
};

std::string examplePath(const std::string& name) { return std::string(VEMRIK_EXAMPLES_DIR) + "/" + name; }

void redrawTicks(TForm1& form) {
    for (int i = 0; i < 8; ++i) form.Timer1Timer();
}

/// Opens the example on a fresh form, presses "Start" and "Włącz" once the first redraw has
/// placed the robot, and runs until a sensing pass touches red or the limit. With earlier steps,
/// first opens it, makes that many "Krok" and opens it again.
ExampleRun runExample(const std::string& name, long limit, std::optional<std::uint32_t> seed = std::nullopt,
                      int earlierSteps = 0) {
    ExampleRun run;
    const ParsedWorkspace parsed = readWorkspaceFile(examplePath(name));
    if (!parsed.workspace) {
        ADD_FAILURE() << name << ": " << parsed.error;
        return run;
    }
    run.loaded = true;
    TForm1 form;
    if (earlierSteps > 0) {
        applyWorkspace(form, *parsed.workspace);
        form.Button15Click();
        for (int i = 0; i < earlierSteps; ++i) {
            redrawTicks(form);
            form.BitBtn6Click();
        }
    }
    applyWorkspace(form, *parsed.workspace);
    if (seed) form.engine.RandomEngine.seed(*seed);
    form.Timer1Timer();
    run.placed = {form.State.RobotPosX, form.State.RobotPosY};
    form.Button15Click();
    form.BitBtn7Click();
    while (run.steps < limit) {
        redrawTicks(form);
        run.path.push_back({form.State.RobotPosX, form.State.RobotPosY});
        run.states.push_back(form.State.SensorStates);
        if (form.State.ReturnToStart == 1) {
            run.stopped = true;
            break;
        }
        form.Timer2Timer();
        ++run.steps;
    }
    if (run.stopped) {
        form.Timer2Timer();
        run.timerOffAfterStop = !form.Timer2.enabled;
        redrawTicks(form);
        run.afterStop = {form.State.RobotPosX, form.State.RobotPosY};
    }
    return run;
}

double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

bool passesNear(const ExampleRun& run, Point p, double within) {
    for (const Point& q : run.path)
        if (distance(p, q) <= within) return true;
    return false;
}

/// Runs the example with the form's own seed and checks the whole run: placed on the start
/// cell, stopped by the stop cell within the limit near it, timer off and back on the start.
ExampleRun checkDefaultRun(const std::string& name, long limit, Point start, Point stop) {
    ExampleRun run = runExample(name, limit);
    if (!run.loaded) return run;
    EXPECT_NEAR(run.placed.x, start.x, 1e-3);
    EXPECT_NEAR(run.placed.y, start.y, 1e-3);
    EXPECT_TRUE(run.stopped) << name << ": no stop within " << limit << " steps";
    if (!run.stopped) return run;
    // The sensors reach about 40 px ahead of the robot's reference point.
    EXPECT_LT(distance(run.path.back(), stop), 50.0) << name << " stopped away from its stop cell";
    EXPECT_TRUE(run.timerOffAfterStop);
    EXPECT_NEAR(run.afterStop.x, start.x, 1e-3);
    EXPECT_NEAR(run.afterStop.y, start.y, 1e-3);
    return run;
}

/// The rule choice is random; most seeds must reach the stop within the same limit.
void expectMostSeedsStop(const std::string& name, long limit) {
    int stopped = 0;
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        const ExampleRun run = runExample(name, limit, seed);
        if (run.stopped) ++stopped;
    }
    EXPECT_GE(stopped, 4) << name << ": only " << stopped << " of seeds 1 .. 5 reached the stop";
}

}  // namespace

TEST(Examples, FilesAreAsTheProgramWritesThem) {
    for (const char* name : {"oval.vemrik", "figure-eight.vemrik", "zigzag.vemrik"}) {
        const FileText file = readTextFile(examplePath(name));
        ASSERT_TRUE(file.text) << name << ": " << file.error;
        const ParsedWorkspace parsed = parseWorkspace(*file.text);
        ASSERT_TRUE(parsed.workspace) << name << ": " << parsed.error;
        EXPECT_EQ(toJson(*parsed.workspace), *file.text) << name;
    }
}

// Start cell [35][30] on the bottom straight, stop cell [38][30] just behind it: heading left,
// the robot must go all the way round, clockwise, before its sensors come back to the stop.
TEST(Examples, OvalLapsOnceAndStopsBehindItsStart) {
    constexpr long kLimit = 500;
    const ExampleRun run = checkDefaultRun("oval.vemrik", kLimit, {355, 305}, {385, 305});
    ASSERT_TRUE(run.stopped);
    // All four quarters around the centre (350, 205), and both bends (x 50 and 650).
    bool quarter[2][2] = {};
    for (const Point& p : run.path) quarter[p.x > 350][p.y > 205] = true;
    EXPECT_TRUE(quarter[0][0] && quarter[0][1] && quarter[1][0] && quarter[1][1]);
    EXPECT_TRUE(passesNear(run, {50, 205}, 15));
    EXPECT_TRUE(passesNear(run, {650, 205}, 15));
    // Round the left bend before the right one: it went the way the start heading pointed.
    const auto atLeft = std::find_if(run.path.begin(), run.path.end(), [](Point p) { return p.x < 60; });
    const auto atRight = std::find_if(run.path.begin(), run.path.end(), [](Point p) { return p.x > 640; });
    EXPECT_LT(atLeft, atRight);
    expectMostSeedsStop("oval.vemrik", kLimit);
}

// Two loops joined by an X whose arms cross at right angles at (355, 205). Start cell [62][20]
// on the right loop heading up, stop cell [62][22] just behind it.
TEST(Examples, FigureEightGoesStraightThroughItsCrossingTwice) {
    constexpr long kLimit = 550;
    const ExampleRun run = checkDefaultRun("figure-eight.vemrik", kLimit, {625, 205}, {625, 225});
    ASSERT_TRUE(run.stopped);
    EXPECT_TRUE(passesNear(run, {85, 205}, 15)) << "never reached the far end of the left loop";

    // Each pass over the crossing: the indices where the robot is within 10 px of it.
    std::vector<std::vector<std::size_t>> passes;
    for (std::size_t i = 0; i < run.path.size(); ++i) {
        if (distance(run.path[i], {355, 205}) > 10) continue;
        if (passes.empty() || i - passes.back().back() > 20) passes.emplace_back();
        passes.back().push_back(i);
    }
    ASSERT_EQ(passes.size(), 2u);
    // Across each pass the robot keeps to its arm: 10 steps in, 10 steps out, it moved
    // about 60 px along a diagonal, first down to the left, then down to the right.
    const double signX[] = {-1, 1};
    for (std::size_t k = 0; k < passes.size(); ++k) {
        const std::size_t mid = passes[k][passes[k].size() / 2];
        ASSERT_GE(mid, 20u);
        ASSERT_LT(mid + 10, run.path.size());
        const double dx = run.path[mid + 10].x - run.path[mid - 10].x;
        const double dy = run.path[mid + 10].y - run.path[mid - 10].y;
        EXPECT_NEAR(std::hypot(dx, dy), 60, 3) << "pass " << k;
        EXPECT_NEAR(dx, signX[k] * 42.4, 8) << "pass " << k;
        EXPECT_NEAR(dy, 42.4, 8) << "pass " << k;
        // The sensors, 35 px ahead, cross the other arm about 12 steps before the robot's
        // centre does: all four see the line at once.
        bool allOn = false;
        for (std::size_t i = mid - 20; i <= mid; ++i) {
            const auto& on = run.states[i];
            allOn = allOn || (on[0] && on[1] && on[2] && on[3]);
        }
        EXPECT_TRUE(allOn) << "pass " << k;
    }
    expectMostSeedsStop("figure-eight.vemrik", kLimit);
}

// Eight straight arms from (45, 135), each 70 px across and 121 px up or down, so every corner
// turns the robot by 120 degrees; the stop cell [60][13] ends the last arm.
TEST(Examples, ZigzagTakesEverySharpCorner) {
    constexpr long kLimit = 400;
    const ExampleRun run = checkDefaultRun("zigzag.vemrik", kLimit, {45, 135}, {605, 135});
    ASSERT_TRUE(run.stopped);
    std::size_t from = 0;
    for (int k = 1; k <= 7; ++k) {
        const Point corner{45.0 + 70 * k, k % 2 ? 256.0 : 135.0};
        std::size_t reached = run.path.size();
        for (std::size_t i = from; i < run.path.size() && reached == run.path.size(); ++i)
            if (distance(run.path[i], corner) <= 15) reached = i;
        EXPECT_LT(reached, run.path.size()) << "corner " << k << " was cut or missed";
        from = std::min(reached, run.path.size() - 1);
    }
    expectMostSeedsStop("zigzag.vemrik", kLimit);
    // Opening the file restarts the draws: steps made before it change nothing.
    EXPECT_EQ(runExample("zigzag.vemrik", kLimit, std::nullopt, 7).steps, run.steps);
}
