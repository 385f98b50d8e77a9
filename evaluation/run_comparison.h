#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "analysis/run_log_reader.h"
#include "engine/rule_table.h"
#include "evaluation/run_setup.h"

namespace vemrik {

/// What a run did, counted: how often each rule line acted and how often each sensor pattern was
/// the one a step chose its rule by.
struct RunCounts {
    std::uint64_t steps = 0;
    /// Indexed by rule line from 0: as long as the rules counted against, or as the highest line
    /// that acted in a simulation needs.
    std::vector<std::uint64_t> lineHits;
    /// Lines (from 0) past the rules that a log names, ascending, each with its steps: a log may
    /// name any line, and only those it names take memory.
    std::vector<std::pair<int, std::uint64_t>> beyond;
    /// Steps no rule acted in.
    std::uint64_t noRule = 0;
    std::array<std::uint64_t, kPatternCount> patterns{};
    /// The run ended on a stop cell before its last step.
    bool stopped = false;

    /// How often line `line` (from 0) acted.
    std::uint64_t hits(std::size_t line) const;
};

/// The counts of a log's steps against `lines` rule lines; lines past them count in `beyond`.
RunCounts countLog(const RunLog& log, std::size_t lines);

/// The counts of a headless run with this seed, as the window would make it: `steps` steps, or
/// fewer when it senses a stop cell or a step would leave the finite numbers.
RunCounts simulateCounts(const RunSetup& setup, std::uint32_t seed, std::uint64_t steps);

/// The patterns the run met for which no line of `rules` is written, ascending.
std::vector<int> uncoveredPatterns(const RunCounts& run, const std::vector<std::string>& rules);

/// A line the robot ran another rule on than the one compared with.
struct OtherLine {
    /// From 0.
    int line = 0;
    /// Index in RunLog::texts of the text the log first gives the line.
    int text = 0;
    friend bool operator==(const OtherLine&, const OtherLine&) = default;
};

/// The lines the log names with a text other than that line of `rules`, or beyond its end,
/// ascending, in one pass over the log.
std::vector<OtherLine> otherLines(const RunLog& log, const std::vector<std::string>& rules);

/// A pattern as a rule writes it, s1 first, for a robot of `sensors` sensors: "1 0 0 1" for four.
std::string patternText(int pattern, int sensors = kSensorSlots);

}  // namespace vemrik
