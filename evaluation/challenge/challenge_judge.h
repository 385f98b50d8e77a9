#pragma once

#include <optional>
#include <string>
#include <vector>

#include "evaluation/grade/task.h"
#include "evaluation/run_many.h"
#include "evaluation/summary.h"
#include "workspace/workspace.h"

namespace vemrik {

/// How a learner's work did on one level of the challenges. Texts are in the core's language.
struct ChallengeVerdict {
    /// 0 … 3; 0 whenever the goal is missed or a cap is broken.
    int stars = 0;
    bool goalMet = false;
    /// A cap broken or the rules unreadable: nothing was run, `sentence` says why.
    bool refused = false;
    /// One plain sentence: the result and the stars, or why there are none.
    std::string sentence;
    /// One per track of the level, in its order; none when refused.
    std::vector<Summary> tracks;
    /// The weighted share of runs that reached the stop.
    double success = 0.0;
    /// The largest of the tracks' median steps; none when a track had no success.
    std::optional<int> medianSteps;
    int rules = 0;
    int sensors = 0;
    /// The runs that missed the stop, at most a few, as "przebieg 3, ziarno 5491: zgubiony po …".
    std::vector<std::string> failedRuns;
    /// The same runs with the track they ran on, so a front end can show one.
    struct FailedRun {
        std::size_t track = 0;
        EvaluatedRun run;
    };
    std::vector<FailedRun> failed;
    /// What to try next: the star missed and how far; with the goal missed, the rule check's findings.
    std::vector<std::string> hints;
};

/// The runs listed as failed in a verdict at most.
inline constexpr std::size_t kVerdictFailedRuns = 5;

/// Judges `work` (its rules, and its robot unless the level fixes one) on the level: the caps
/// first, then the level's runs, seeds, step limit and noise on each of its tracks, `threads` as
/// runMany takes them. A task without a challenge is judged with a goal of every run arriving.
ChallengeVerdict judgeChallenge(const Task& level, const Workspace& work, int threads = 0);

/// The goal of a level in the core's language; empty for a task without a challenge.
std::string challengeGoal(const Task& level);

}  // namespace vemrik
