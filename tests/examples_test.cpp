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
#include "ui/workspace_form.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_json.h"

using namespace vemrik;

namespace {

struct Point {
    double x;
    double y;
};

/// One run: the position and sensor states at each redraw after "Start".
struct ExampleRun {
    bool stopped = false;  ///< a sensing pass set ReturnToStart
    long steps = 0;        ///< steps made before that
    std::vector<Point> path;
    std::vector<std::array<std::int32_t, kSensorSlots>> states;
};

std::string examplePath(const std::string& name) { return std::string(VEMRIK_EXAMPLES_DIR) + "/" + name; }

double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

Point position(const TForm1& form) { return {form.State.RobotPosX, form.State.RobotPosY}; }

void redrawTicks(TForm1& form) {
    for (int i = 0; i < 8; ++i) form.Timer1Timer();
}

/// Opens the example on a fresh form, presses "Start" and "Włącz" once the first redraw has
/// placed the robot, and runs until a sensing pass touches red or the limit. With a start and a
/// stop point, the default run is checked: placed on the start, stopped near the stop (the sensors
/// reach about 40 px ahead), timer off and back on the start. With earlier steps, the example is
/// first opened and stepped that many times.
ExampleRun runExample(const std::string& name, long limit, std::optional<std::uint32_t> seed = std::nullopt,
                      std::optional<std::pair<Point, Point>> startAndStop = std::nullopt,
                      int earlierSteps = 0) {
    ExampleRun run;
    const ParsedWorkspace parsed = readWorkspaceFile(examplePath(name));
    if (!parsed.workspace) {
        ADD_FAILURE() << name << ": " << parsed.error;
        return run;
    }
    TForm1 form;
    if (earlierSteps > 0) {
        applyWorkspace(form, *parsed.workspace);
        form.Button15Click();
        for (int i = 0; i < earlierSteps; ++i) redrawTicks(form), form.BitBtn6Click();
    }
    applyWorkspace(form, *parsed.workspace);
    if (seed) form.engine.RandomEngine.seed(*seed);
    form.Timer1Timer();
    const Point placed = position(form);
    form.Button15Click();
    form.BitBtn7Click();
    for (; run.steps < limit; ++run.steps) {
        redrawTicks(form);
        run.path.push_back(position(form));
        run.states.push_back(form.State.SensorStates);
        if ((run.stopped = form.State.ReturnToStart == 1)) break;
        form.Timer2Timer();
    }
    if (!startAndStop) return run;
    const auto [start, stop] = *startAndStop;
    EXPECT_LT(distance(placed, start), 1e-3) << name;
    EXPECT_TRUE(run.stopped) << name << ": no stop within " << limit << " steps";
    if (!run.stopped) return run;
    EXPECT_LT(distance(run.path.back(), stop), 50.0) << name << " stopped away from its stop cell";
    form.Timer2Timer();
    EXPECT_FALSE(form.Timer2.enabled);
    redrawTicks(form);
    EXPECT_LT(distance(position(form), start), 1e-3) << name;
    // The rule choice is random; most seeds must reach the stop within the same limit.
    int stopped = 0;
    for (std::uint32_t s = 1; s <= 5; ++s) stopped += runExample(name, limit, s).stopped;
    EXPECT_GE(stopped, 4) << name << ": only " << stopped << " of seeds 1 .. 5 reached the stop";
    return run;
}

bool passesNear(const ExampleRun& run, Point p, double within) {
    return std::any_of(run.path.begin(), run.path.end(), [&](Point q) { return distance(p, q) <= within; });
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
    const ExampleRun run =
        runExample("oval.vemrik", kLimit, std::nullopt, std::pair{Point{355, 305}, Point{385, 305}});
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
}

// Two loops joined by an X whose arms cross at right angles at (355, 205). Start cell [62][20]
// on the right loop heading up, stop cell [62][22] just behind it.
TEST(Examples, FigureEightGoesStraightThroughItsCrossingTwice) {
    constexpr long kLimit = 550;
    const ExampleRun run =
        runExample("figure-eight.vemrik", kLimit, std::nullopt, std::pair{Point{625, 205}, Point{625, 225}});
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
}

// Eight straight arms from (45, 135), each 70 px across and 121 px up or down, so every corner
// turns the robot by 120 degrees; the stop cell [60][13] ends the last arm.
TEST(Examples, ZigzagTakesEverySharpCorner) {
    constexpr long kLimit = 400;
    const ExampleRun run =
        runExample("zigzag.vemrik", kLimit, std::nullopt, std::pair{Point{45, 135}, Point{605, 135}});
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
    // Opening the file restarts the draws: steps made before it change nothing.
    EXPECT_EQ(runExample("zigzag.vemrik", kLimit, std::nullopt, std::nullopt, 7).steps, run.steps);
}
