#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/run_record.h"

namespace vemrik {

/// Most steps a log may hold: ten times what "Zapisz przebieg…" writes, over two days of a robot
/// at 200 ms a step, yet little memory.
inline constexpr std::size_t kMaxLogSteps = 1000000;
/// Larger files are refused unread.
inline constexpr std::size_t kMaxLogFileBytes = std::size_t{128} << 20;

/// One step of a log in the columns of "Zapisz przebieg…".
struct LoggedStep {
    std::uint64_t step = 0;
    float heading = 0.0f;
    float x = 0.0f;
    float y = 0.0f;
    /// The acting rule's line counted from 1, or 0 when none acted.
    int ruleIndex = 0;
    /// Index of the acting rule's text in RunLog::texts, or -1 when none acted.
    int text = -1;
    /// Heading and position are what only the simulation knows: a robot leaves them empty.
    bool hasPose = false;
    /// Bit k: sensor s(k+1) was on.
    std::uint8_t sensors = 0;
    /// A stop cell seen; an empty column counts as not seen.
    bool stop = false;
};

/// A run read back from a CSV log: a robot's over the serial port or the program's own.
struct RunLog {
    std::vector<LoggedStep> steps;
    /// Every rule text the log names, each once, in the order first met.
    std::vector<std::string> texts;
    /// Lines before the header, skipped as the board's start-up noise.
    int skippedLines = 0;

    std::string_view ruleText(const LoggedStep& s) const {
        return s.text < 0 ? std::string_view{} : std::string_view{texts[static_cast<std::size_t>(s.text)]};
    }
};

/// A log, or why it is refused.
struct ParsedRunLog {
    std::optional<RunLog> log;
    /// Empty on success; otherwise, in Polish, what is wrong and in which line (from 1).
    std::string error;
};

/// Reads a log strictly: lines up to the header are skipped; after it every line is one step, the
/// steps counted on by one, every field as "Zapisz przebieg…" writes it, heading and position given
/// in every row or in none. CRLF line ends, a UTF-8 byte order mark and empty lines at the end are
/// accepted; anything else is refused with its line number.
ParsedRunLog parseRunLog(std::string_view text);

/// Reads and checks a log file of at most kMaxLogFileBytes.
ParsedRunLog readRunLogFile(const std::string& path);

/// The log's steps as the run record keeps its rows, oldest first: rule counted from 0 (kNoRule for
/// none), ruleText indexing log.texts, heading and position 0 where the log has none.
std::vector<RunRow> recordedSteps(const RunLog& log);

}  // namespace vemrik
