#pragma once

#include <string>
#include <vector>

#include "evaluation/run_comparison.h"

namespace vemrik {

/// Share points two runs must differ by on a pattern before it is worth a sentence.
inline constexpr double kDifferenceWorthSaying = 0.05;

/// Where a robot's run and the simulation's differ most.
struct LargestDifference {
    /// The pattern whose share of steps differs most, or -1 when none differs by
    /// kDifferenceWorthSaying or either run has no steps.
    int pattern = -1;
    /// The share of steps it had in each run.
    double robotShare = 0.0;
    double simulatedShare = 0.0;
    /// Of the lines written for it, the one (from 0) whose hits differ most; -1 when none is.
    int line = -1;
};

LargestDifference largestDifference(const RunCounts& robot, const RunCounts& simulated,
                                    const std::vector<std::string>& rules);

}  // namespace vemrik
