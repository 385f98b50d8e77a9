#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "robot/robot_cells.h"
#include "workspace/workspace.h"

namespace vemrik {

/// Draws a sketch carries: a run of the simulation's default step limit. An Uno cannot hold the
/// generator itself (see SketchPlan::draws).
inline constexpr int kSketchDraws = 5000;

/// Every choice among n + 1 slots (n at most four candidates) is draw % (n + 1), and 1 … 5 all
/// divide this: a draw reduced by it chooses the same.
inline constexpr std::uint32_t kDrawModulus = 60;

/// A rule line that some sensor pattern can act on.
struct SketchRule {
    int line = 0;  ///< counted from 1, as the status bar and the run's CSV count
    float angle = 0.0f;
    std::string text;  ///< the line without blanks around its angle
};

/// The candidates of one sensor pattern, as indices into SketchPlan::rules, in list order.
struct SketchChoices {
    int pattern = 0;
    std::vector<int> rules;
};

/// What a sketch for a real robot is made of, read from a workspace through the engine's own
/// rule table and random source.
struct SketchPlan {
    std::string name;
    /// The name of the workspace's file, empty for one never saved: a sketch of the same name from
    /// another workspace is not replaced unasked.
    std::string workspaceFile;
    std::uint32_t seed = 0;
    /// The sensors that have a state, in sensor order: at most eight.
    std::vector<Sensor> sensors;
    /// Sensors past the eighth: they only see the stop cell in the simulation, and get no pin.
    int unwiredSensors = 0;
    std::vector<SketchRule> rules;
    /// Only the patterns that have candidates, by pattern.
    std::vector<SketchChoices> table;
    /// The random source's first draws from the seed, each reduced by kDrawModulus: its state of
    /// 624 words is more than an Uno's whole memory.
    std::vector<std::uint8_t> draws;
};

struct PlannedSketch {
    std::optional<SketchPlan> plan;
    /// Why there is none, in Polish.
    std::string error;
};

/// The plan for this workspace. Refuses a robot without sensors, a rule list with a line a step
/// would fail on, naming the line, and a sketch too large for an Uno, with the figures.
PlannedSketch planSketch(const Workspace& ws, const std::string& name, std::uint32_t seed,
                         int drawCount = kSketchDraws);

/// Where a sensor reads, from the robot's turning point, in millimetres of a track printed at
/// 20 mm per cell: right and forward.
struct SensorPlace {
    int rightMm = 0;
    int forwardMm = 0;
};
SensorPlace sensorPlace(const Sensor& s);

}  // namespace vemrik
