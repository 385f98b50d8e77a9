#include "evaluation/run_setup.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "algorithm/rule_parse.h"
#include "algorithm/rule_text.h"
#include "engine/sensing.h"
#include "map/map_view.h"
#include "platform/texts.h"
#include "raster/raster.h"
#include "robot/robot_cells.h"
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

/// The track as the simulation page paints it under the robot: plain white, strokes, cells.
void paintSight(const ProgramState& s, RunSetup& setup) {
    Raster image(kImageWidth, kImageHeight);
    paintTrackLayer(TrackField::kPlain, s.StrokeList, s.MapGrid, image);
    setup.width = image.width();
    setup.height = image.height();
    const std::size_t n = static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height());
    auto sight = std::make_shared<std::vector<Sight>>(n);
    for (std::size_t i = 0; i < n; ++i) (*sight)[i] = sightOf(image.data()[i]);
    setup.sight = std::move(sight);
}

float reachOf(const Grid& robot) {
    double farthest = 0.0;
    for (int x = 0; x < robot.columns(); ++x)
        for (int y = 0; y < robot.length(x); ++y) {
            if (robot.at(x, y) == kRobotEmpty) continue;
            const double dx = std::max(std::abs(cellEdge(x)), std::abs(cellEdge(x + 1)));
            const double dy = std::max(std::abs(cellEdge(y)), std::abs(cellEdge(y + 1)));
            farthest = std::max(farthest, std::hypot(dx, dy));
        }
    return static_cast<float>(farthest);
}

}  // namespace

PreparedRun prepareTrack(const Workspace& ws) {
    ProgramState s = stateOf(ws);
    s.ReturnToStart = 1;
    s.RobotPosX = std::numeric_limits<float>::quiet_NaN();
    placeAtStart(s);
    if (std::isnan(s.RobotPosX))
        return {std::nullopt, say({"na mapie nie ma pola startu", "the map has no start cell"})};
    RunSetup setup;
    setup.startX = s.RobotPosX;
    setup.startY = s.RobotPosY;
    setup.startHeading = static_cast<float>(ws.startHeading);
    paintSight(s, setup);
    return {std::move(setup), {}};
}

PreparedRun withRobotAndRules(RunSetup track, const Grid& robot, const std::vector<std::string>& rules) {
    track.rules.follow(rules);
    if (const int fault = track.rules.firstFault(); fault >= 0)
        return {std::nullopt, say({"reguła {1}: {2}", "rule {1}: {2}"},
                                  {std::to_string(fault + 1),
                                   ruleLineProblem(rules[static_cast<std::size_t>(fault)]).value_or("")})};
    track.samples.list(robot);
    track.reach = reachOf(robot);
    return {std::move(track), {}};
}

PreparedRun prepareRun(const Workspace& ws) {
    PreparedRun track = prepareTrack(ws);
    if (!track.setup) return track;
    return withRobotAndRules(std::move(*track.setup), ws.robot, ws.rules);
}

}  // namespace vemrik
