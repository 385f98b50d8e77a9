#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/challenge/challenge_series.h"
#include "evaluation/grade/task.h"
#include "workspace/workspace.h"

namespace vemrik {

/// "Wyzwania" as both front ends show it: a series of levels, the one open in the form, and the
/// learner's best on each. Texts are in the core's language.
class ChallengeSession {
public:
    /// Reads the levels of `folder` in name order and closes the open one; why not, or "". A level
    /// that cannot be read stays in the list and says why when opened.
    std::string openSeries(const std::string& folder);

    std::size_t levelCount() const { return levels_.size(); }
    /// "01. Dojedź prosto do mety ★★☆": the number, the goal and the stars earned.
    std::string levelCaption(std::size_t index) const;

    /// Opens level `index`: the work it starts from is its first track with the robot it fixes, or
    /// why it cannot be opened.
    struct Opened {
        std::optional<Workspace> work;
        std::string error;
    };
    Opened openLevel(std::size_t index);
    std::optional<std::size_t> openIndex() const { return open_; }
    /// "Poziom 1: Dojedź prosto do mety."; empty with no level open.
    std::string openHeading() const;
    /// The task file of the open level, or nullptr.
    const Task* openTask() const;

    /// Judges `work` on the open level and keeps it when it beats the best so far; why not, or the
    /// verdict.
    struct Checked {
        std::optional<ChallengeVerdict> verdict;
        std::string error;
    };
    Checked check(const Workspace& work, int threads = 0);
    /// Keeps a verdict judged elsewhere (the page's worker) as `check` would.
    void record(const ChallengeVerdict& verdict, const Workspace& work);

    /// Why run `failed` of a verdict on `judged` cannot be shown in a form holding `now`, or "".
    std::string showRunRefusal(const ChallengeVerdict::FailedRun& failed, const Workspace& judged,
                               const Workspace& now) const;

    const ChallengeProgress& progress() const { return progress_; }
    /// The progress as the progress file holds it, and back; why `text` was refused, or "".
    std::string progressText() const;
    std::string takeProgress(std::string_view text);

private:
    struct Level {
        std::string path;
        std::optional<Task> task;
        std::string error;
    };
    std::vector<Level> levels_;
    std::optional<std::size_t> open_;
    ChallengeProgress progress_;
};

}  // namespace vemrik
