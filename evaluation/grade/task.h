#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/grid.h"
#include "engine/noise.h"
#include "evaluation/run_setup.h"
#include "workspace/workspace.h"

namespace vemrik {

/// The value of "format" that marks a task file, and the one version this program reads (see
/// docs/task-format.md).
inline constexpr std::string_view kTaskFormatName = "vemrik-task";
inline constexpr int kTaskFormatVersion = 1;

/// One track of a task: the map, strokes and start heading of a workspace file.
struct TaskTrack {
    std::string name;  ///< given in the task, or the workspace file's name without ".vemrik"
    std::string path;  ///< the workspace file, as found from the task file's folder
    /// The painted track and its start (prepareTrack), all a run needs of the file; one for all
    /// the tracks of a task that name the same file.
    std::shared_ptr<const RunSetup> setup;
    double weight = 1.0;  ///< > 0
};

/// What makes a task a level of the challenges: the goal as the learner reads it, the caps on the
/// work handed in, and what earns each star (see docs/task-format.md).
struct Challenge {
    std::string goalPl;
    std::string goalEn;
    std::optional<int> maxRules;
    std::optional<int> maxSensors;
    /// The goal, one star: at least this weighted share of the runs reach the stop.
    double success = 1.0;
    /// Two stars: the goal, and no track's median steps to the stop above this.
    int stepsForTwoStars = 0;
    /// Three stars: two, and at most this many rule lines.
    int rulesForThreeStars = 0;
};

/// What a teacher sets: the tracks every student's rules drive on, and how they are judged.
struct Task {
    std::vector<TaskTrack> tracks;
    /// The robot every student drives, when the task fixes one; otherwise each student's own.
    std::optional<Grid> robot;
    std::string robotPath;
    int runs = 200;
    int maxSteps = 5000;
    std::uint32_t seed = 5489;
    Noise noise;
    /// Set when the task is a level of the challenges.
    std::optional<Challenge> challenge;
    /// The task file's name without its folder and extension: a level's key in progress files.
    std::string levelId;
};

/// A task read from text, or why it could not be.
struct ParsedTask {
    std::optional<Task> task;
    /// Empty on success; otherwise, in Polish, what is wrong and where.
    std::string error;
};

/// Reads the text of a task file; the workspace files it names are read from `folder` unless
/// their paths are absolute. Every track must have a start cell.
ParsedTask parseTask(std::string_view text, const std::string& folder);

/// Reads and checks a task file, the workspace files it names relative to its own folder.
ParsedTask readTaskFile(const std::string& path);

/// The paths a task's text names for its robot and tracks, as it names them, without reading
/// them: where a front end without the files' folder must put the files it was given. Nothing for
/// a text that is no JSON object.
std::vector<std::string> namedPaths(std::string_view text);

}  // namespace vemrik
