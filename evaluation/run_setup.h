#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "engine/noise.h"
#include "engine/rule_table.h"
#include "engine/sensing.h"
#include "robot/pose.h"
#include "workspace/workspace.h"

namespace vemrik {

/// Everything a headless run needs that stays the same from step to step and from run to run,
/// worked out once; read-only afterwards, so any number of threads may share it.
struct RunSetup {
    int width = 0;
    int height = 0;
    /// The painted track, one value per pixel, row by row. Shared by the setups made from one
    /// track, so that robots on it (a race, a graded class) read one copy.
    std::shared_ptr<const std::vector<Sight>> sight;
    /// The robot's sample points, as the engine senses them.
    SensorSamples samples;
    /// The rule list read for every pattern, as the engine steps by it.
    RuleTable rules;
    float startX = 0.0f;
    float startY = 0.0f;
    float startHeading = 0.0f;
    /// The largest distance from the reference point to any point of the robot's cells.
    float reach = 0.0f;
    /// The imperfections every run of this setup draws from its seed; none by default.
    Noise noise;

    /// The painted track as a sensor sees it.
    SightView view() const { return {sight ? sight->data() : nullptr, width, height}; }
    /// What the pixel under (x, y) means to a sensor; nothing outside the image.
    Sight at(int x, int y) const { return view().at(x, y); }
};

/// A setup, or why the workspace cannot be run headless.
struct PreparedRun {
    std::optional<RunSetup> setup;
    /// Empty on success; otherwise, in Polish, what stands in the way.
    std::string error;
};

/// Paints the track once as the simulation page does, lists the sensors' sample points, reads
/// every rule the step could ever read into its pattern's candidates, and puts the robot on the
/// start cell with the start heading. Fails when the map has no start cell or when such a
/// rule's angle is not a number (the window would report that at the first step that reads it).
/// The workspace has the program's board sizes, as parseWorkspace and captureWorkspace give it.
PreparedRun prepareRun(const Workspace& ws);

/// The part of prepareRun that the track alone decides: the painted track and the start pose, from
/// the map, the brush segments and the start heading. Fails when the map has no start cell. For a
/// track that many robots and rule sets will run on.
PreparedRun prepareTrack(const Workspace& ws);

/// A track's setup from prepareTrack with a robot and its rules: the setup prepareRun gives for the
/// track's workspace with that robot and those rules, or why the rules cannot be run.
PreparedRun withRobotAndRules(RunSetup track, const Grid& robot, const std::vector<std::string>& rules);

}  // namespace vemrik
