#include "evaluation/run_setup.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "algorithm/rule_parse.h"
#include "algorithm/rule_text.h"
#include "raster/raster.h"
#include "simulation/sensing.h"
#include "simulation/sensor_layout.h"
#include "simulation/simulation_view.h"
#include "workspace/rule_line.h"

namespace vemrik {

namespace {

// The size of the simulation page's image.
constexpr int kImageWidth = 701;
constexpr int kImageHeight = 401;

ProgramState stateOf(const Workspace& ws) {
    ProgramState s;
    s.RobotGrid = ws.robot;
    s.MapGrid = ws.map;
    s.StrokeList = ws.strokes;
    return s;
}

void paintSight(const ProgramState& s, RunSetup& setup) {
    Raster image(kImageWidth, kImageHeight);
    paintTrack(s, image);
    setup.width = image.width();
    setup.height = image.height();
    const std::size_t n = static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height());
    setup.sight.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Colour c = image.data()[i];
        setup.sight[i] = c == kGrey ? Sight::Line : c == kRed ? Sight::Stop : Sight::Nothing;
    }
}

void listSamples(const Grid& robot, RunSetup& setup) {
    int counted = 0;
    forEachSensor(robot, [&](const Sensor& sensor) {
        const int slot = counted < kSensorSlots ? counted++ : -1;
        const auto points = samplePoints(sensor);
        // The fifth point is the first again and reads the same pixel.
        for (std::size_t i = 0; i + 1 < points.size(); ++i) setup.samples.push_back({points[i], slot});
    });
}

float reachOf(const Grid& robot) {
    double farthest = 0.0;
    for (int x = 0; x < robot.columns(); ++x)
        for (int y = 0; y < robot.length(x); ++y) {
            if (robot.at(x, y) == kRobotEmpty) continue;
            const double dx = std::max(std::abs(10 * x - 100), std::abs(10 * x - 90));
            const double dy = std::max(std::abs(10 * y - 100), std::abs(10 * y - 90));
            farthest = std::max(farthest, std::hypot(dx, dy));
        }
    return static_cast<float>(farthest);
}

// The pattern a rule line is for, or -1 when its first 16 characters are no pattern the sensing
// can produce: such a line never matches, and the step never reads its angle.
int patternOf(const std::string& line) {
    if (line.size() < kPatternLength) return -1;
    int bits = 0;
    for (int k = 0; k < kSensorSlots; ++k) {
        const char digit = line[static_cast<std::size_t>(2 * k)];
        if ((digit != '0' && digit != '1') || line[static_cast<std::size_t>(2 * k + 1)] != ' ') return -1;
        if (digit == '1') bits |= 1 << k;
    }
    return bits;
}

// The step takes the first four matching lines of its pattern and reads only their angles.
std::string collectRules(const std::vector<std::string>& rules, RunSetup& setup) {
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const int pattern = patternOf(rules[i]);
        if (pattern < 0) continue;
        Candidates& c = setup.candidates[static_cast<std::size_t>(pattern)];
        if (c.count == kMaxCandidates) continue;
        if (const auto problem = ruleLineProblem(rules[i]))
            return "reguła " + std::to_string(i + 1) + ": " + *problem;
        c.angles[static_cast<std::size_t>(c.count++)] = ruleAngle(rules[i]);
    }
    return {};
}

}  // namespace

PreparedRun prepareRun(const Workspace& ws) {
    ProgramState s = stateOf(ws);
    s.ReturnToStart = 1;
    s.RobotPosX = std::numeric_limits<float>::quiet_NaN();
    PlaceAtStart(s);
    if (std::isnan(s.RobotPosX)) return {std::nullopt, "na mapie nie ma pola startu"};

    RunSetup setup;
    if (std::string error = collectRules(ws.rules, setup); !error.empty())
        return {std::nullopt, std::move(error)};
    setup.startX = s.RobotPosX;
    setup.startY = s.RobotPosY;
    setup.startHeading = static_cast<float>(ws.startHeading);
    setup.reach = reachOf(ws.robot);
    paintSight(s, setup);
    listSamples(ws.robot, setup);
    return {std::move(setup), {}};
}

}  // namespace vemrik
