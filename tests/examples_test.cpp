// Every workspace in examples/ opened as the user opens it and run on the form's own timer path
// until a sensor touches the stop cell, within the step limits the README states.
#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <optional>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_json.h"

using namespace vemrik;

namespace {

using Point = std::complex<double>;

/// The positions at each redraw after "Start" (8 refresh ticks to each run tick, as 25 ms to
/// 200 ms) until a sensing pass touches the stop; empty when no stop within the limit. The
/// workspace is opened after `earlierSteps` steps of it, as the user would have made them.
std::vector<Point> runExample(const Workspace& ws, std::size_t limit, std::optional<std::uint32_t> seed,
                              int earlierSteps = 0) {
    TForm1 form;
    const auto redraw = [&] {
        for (int i = 0; i < 8; ++i) form.Timer1Timer();
    };
    applyWorkspace(form, ws);
    form.Button15Click();
    for (int i = 0; i < earlierSteps; ++i) redraw(), form.BitBtn6Click();
    applyWorkspace(form, ws);
    if (seed) form.engine.setSeed(*seed), form.engine.restartDraws();
    form.Timer1Timer();  // places the robot
    form.Button15Click();
    form.BitBtn7Click();
    std::vector<Point> path;
    while (path.size() < limit) {
        redraw();
        path.emplace_back(form.State.RobotPosX, form.State.RobotPosY);
        if (form.State.ReturnToStart == 1) return path;
        form.Timer2Timer();
    }
    return {};
}

}  // namespace

// Each file is as the program writes it. Each run starts on its start cell, passes its way points
// in order within 15 px, and stops near its stop cell (the sensors reach about 40 px ahead).
TEST(Examples, EachIsAsSavedTakesItsTrackAndStops) {
    const struct {
        const char* name;
        std::size_t limit;
        std::vector<double> xy;  // start, way points, stop
    } examples[] = {
        // Start [35][30] on the bottom straight heading left, stop [38][30] just behind it: the
        // left bend, then the right one, then the stop: a whole lap, clockwise.
        {"oval.vemrik", 500, {355, 305, 50, 205, 650, 205, 385, 305}},
        // Two loops joined by an X crossing at (355, 205); start [62][20] on the right loop heading
        // up. Turning at the crossing would never reach the far end of the left loop.
        {"figure-eight.vemrik", 550, {625, 205, 355, 205, 85, 205, 355, 205, 625, 225}},
        // Imported from track-picture.png: start [35][30] heading left, stop [38][30] behind it; a
        // lap by the left bend, the dip of the top straight and the right bend.
        {"tape-loop.vemrik", 500, {355, 305, 90, 195, 350, 114, 609, 195, 385, 305}},
        // Eight arms, 70 px across and 121 px up or down: seven corners of 120 degrees to the stop.
        {"zigzag.vemrik",
         400,
         {45, 135, 115, 256, 185, 135, 255, 256, 325, 135, 395, 256, 465, 135, 535, 256, 605, 135}},
    };
    for (const auto& e : examples) {
        const FileText file = readTextFile(std::string(VEMRIK_EXAMPLES_DIR) + "/" + e.name);
        const ParsedWorkspace parsed = parseWorkspace(file.text.value_or(""));
        ASSERT_TRUE(parsed.workspace) << e.name << ": " << file.error << parsed.error;
        EXPECT_EQ(toJson(*parsed.workspace), *file.text) << e.name;
        const std::vector<Point> path = runExample(*parsed.workspace, e.limit, std::nullopt);
        ASSERT_FALSE(path.empty()) << e.name << ": no stop within " << e.limit << " steps";
        const std::size_t n = e.xy.size() / 2;
        const auto point = [&](std::size_t k) { return Point(e.xy[2 * k], e.xy[2 * k + 1]); };
        EXPECT_LT(std::abs(path.front() - point(0)), 1e-3) << e.name;
        EXPECT_LT(std::abs(path.back() - point(n - 1)), 50.0) << e.name << " stopped away from its stop";
        auto at = path.begin();
        for (std::size_t k = 1; k + 1 < n; ++k) {
            at = std::find_if(at, path.end(), [&](Point p) { return std::abs(p - point(k)) <= 15; });
            EXPECT_NE(at, path.end()) << e.name << ": missed way point " << k;
        }
        // The rule choice is random; most seeds must reach the stop within the same limit.
        int stopped = 0;
        for (std::uint32_t seed = 1; seed <= 5; ++seed)
            stopped += !runExample(*parsed.workspace, e.limit, seed).empty();
        EXPECT_GE(stopped, 4) << e.name;
        // Opening the file restarts the draws: steps made before it change nothing.
        EXPECT_EQ(runExample(*parsed.workspace, e.limit, std::nullopt, 7).size(), path.size()) << e.name;
    }
}
