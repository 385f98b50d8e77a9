#include "evaluation/largest_difference.h"

#include <cmath>

#include "engine/rule_table.h"

namespace vemrik {

namespace {

double shareOf(const RunCounts& run, int pattern) {
    return static_cast<double>(run.patterns[static_cast<std::size_t>(pattern)]) /
           static_cast<double>(run.steps);
}

std::uint64_t apart(std::uint64_t a, std::uint64_t b) { return a > b ? a - b : b - a; }

/// The line written for `pattern` whose hits differ most between the runs, the first of equals.
int lineApart(const RunCounts& robot, const RunCounts& simulated, const std::vector<std::string>& rules,
              int pattern) {
    int found = -1;
    std::uint64_t most = 0;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (rulePattern(rules[i]) != pattern) continue;
        const std::uint64_t d = apart(robot.hits(i), simulated.hits(i));
        if (found < 0 || d > most) found = static_cast<int>(i), most = d;
    }
    return found;
}

}  // namespace

LargestDifference largestDifference(const RunCounts& robot, const RunCounts& simulated,
                                    const std::vector<std::string>& rules) {
    LargestDifference d;
    if (robot.steps == 0 || simulated.steps == 0) return d;
    for (int p = 0; p < kPatternCount; ++p) {
        const double r = shareOf(robot, p), s = shareOf(simulated, p);
        const double apartNow = std::abs(r - s);
        if (apartNow < kDifferenceWorthSaying ||
            (d.pattern >= 0 && apartNow <= std::abs(d.robotShare - d.simulatedShare)))
            continue;
        d = {p, r, s, -1};
    }
    if (d.pattern >= 0) d.line = lineApart(robot, simulated, rules, d.pattern);
    return d;
}

}  // namespace vemrik
