#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/challenge/challenge_judge.h"

namespace vemrik {

/// The task files (*.vemrik-task) of a folder in name order: the levels of a series.
struct ChallengeSeries {
    std::vector<std::string> levels;
    /// Empty on success; otherwise, in the core's language, why the folder could not be read.
    std::string error;
};
ChallengeSeries readChallengeSeries(const std::string& folder);

/// The best a learner did on one level.
struct LevelProgress {
    int stars = 0;
    std::optional<int> medianSteps;
    /// The workspace file's text of that solution.
    std::string workspace;
    bool operator==(const LevelProgress&) const = default;
};

/// A learner's progress through a series, by level id.
using ChallengeProgress = std::map<std::string, LevelProgress>;

/// Whether `candidate` beats `kept`: more stars, then fewer median steps.
bool betterProgress(const LevelProgress& candidate, const LevelProgress& kept);

/// Keeps the verdict's work as the level's best if it beats what was kept.
void recordProgress(ChallengeProgress& progress, const std::string& id, const ChallengeVerdict& verdict,
                    const std::string& workspaceText);

/// The progress file's text (JSON, see docs/task-format.md).
std::string progressText(const ChallengeProgress& progress);

struct ParsedProgress {
    std::optional<ChallengeProgress> progress;
    std::string error;
};
ParsedProgress parseProgress(std::string_view text);

}  // namespace vemrik
