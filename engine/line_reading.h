#pragma once

#include <string>
#include <vector>

namespace vemrik {

/// One line of the rule list as a step would read it.
struct LineReading {
    /// The pattern the line is for, or -1 when it is none (see rulePattern).
    int pattern = -1;
    /// Earlier lines of the same pattern: from kMaxCandidates on, no step reads the line.
    int rank = 0;
    /// Whether a step that reads the line can read its angle; only lines a step reads are tried.
    bool readable = false;
    float angle = 0.0f;
};

/// Reads every line once, in list order. Never throws.
std::vector<LineReading> readLines(const std::vector<std::string>& rules);

}  // namespace vemrik
