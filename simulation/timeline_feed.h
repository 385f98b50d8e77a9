#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/rule_reading.h"
#include "analysis/run_log_reader.h"
#include "engine/run_record.h"
#include "simulation/run_timeline.h"

namespace vemrik {

/// What the time line needs besides the record to take its steps.
struct TimelineFeed {
    /// Steps of the run the program holds: more than the record's while an earlier step is shown
    /// again.
    std::uint64_t runSteps = 0;
    int sensorCount = 0;
    int width = 0;
    int height = 0;
    /// Whether some rule line has pattern p.
    std::array<bool, 256> matched{};
    /// The robot and the map, to mark the step the body comes over a stop cell no sensor
    /// touches; without them no step is so marked.
    const ProgramState* boards = nullptr;
};

/// The patterns some line of this reading of the list is for.
std::array<bool, 256> matchedPatterns(const std::vector<LineReading>& reading);

/// Brings the time line to the run: the steps past the run dropped, a new run started over,
/// the record's new steps appended. Steps the record shows again (an earlier step shown) stay.
void followRun(RunTimeline& timeline, const RunRecord& record, const TimelineFeed& feed);

/// Puts a log's steps on the time line in place of the run. The log tells no map, so no step is
/// marked as off it or back on it; the heading is shown only where the log gives it. A step no rule
/// acted in is marked "no rule", as the robot found none. Of a longer log than the time line keeps,
/// the last RunTimeline::kCapacity steps.
void showRecordedSteps(RunTimeline& timeline, const std::vector<RunRow>& rows, bool headingKnown);

/// The text of each rule line (from 0) the log names, by line, the first text met; empty for the
/// lines it never names.
std::vector<std::string> loggedRuleTexts(const RunLog& log);

/// The tooltip of kept steps a .. b - 1 and their summary, rule texts taken from `rules`.
std::string columnTooltip(const RunTimeline& timeline, std::size_t a, std::size_t b,
                          const TimelineSummary& sum, const std::vector<std::string>& rules);

}  // namespace vemrik
