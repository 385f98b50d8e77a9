#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "analysis/run_log_reader.h"
#include "simulation/run_timeline.h"

namespace vemrik {

/// A robot's log on a time line in place of the form's run, until "Start" or "Wróć do symulacji"
/// takes the time line back to the run. While it is shown the front end neither follows the run
/// nor shows a clicked step: the log has no pose to show in the form.
class TimelineLog {
public:
    /// Puts the steps of `log`, read from the file named `fileName`, on `timeline`.
    void show(RunTimeline& timeline, const RunLog& log, std::string fileName);
    /// Forgets the log and empties `timeline` for the run to be followed from its start again.
    void clear(RunTimeline& timeline);
    bool shown() const { return shown_; }
    /// The rule texts the legend and the tooltips name: the log's while it is shown, else the form's.
    const std::vector<std::string>& rules(const std::vector<std::string>& formRules) const {
        return shown_ ? rules_ : formRules;
    }
    /// The sentence above the chart while the log is shown, in the core's language: its file, its
    /// steps, and how many of them the time line kept when it could not keep them all.
    std::string source(const RunTimeline& timeline) const;

private:
    bool shown_ = false;
    std::vector<std::string> rules_;
    std::string file_;
    std::size_t steps_ = 0;
};

}  // namespace vemrik
