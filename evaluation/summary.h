#pragma once

#include <optional>
#include <string>
#include <vector>

#include "evaluation/run_many.h"

namespace vemrik {

/// A share with its 95 % confidence interval (Wilson score interval).
struct Rate {
    double value = 0.0;
    double low = 0.0;
    double high = 1.0;
};

/// The share `hits` of `n` with its Wilson 95 % interval; with n = 0 nothing is known: 0 in [0, 1].
Rate wilsonRate(int hits, int n);

/// The value of the given rank, by the nearest-rank rule: the smallest value that at least
/// `percent` % of the values do not exceed. Nothing for no values.
std::optional<int> nearestRank(std::vector<int> values, int percent);

/// What the runs of an evaluation say about the rule set.
struct Summary {
    int runs = 0;  ///< finished runs
    int successes = 0;
    int lost = 0;
    int failedSteps = 0;  ///< of the lost: a step would have left the finite numbers
    int timeouts = 0;
    Rate success;
    double lostRate = 0.0;
    double timeoutRate = 0.0;
    std::optional<int> medianSteps;  ///< steps to the stop of the successful runs
    std::optional<int> p90Steps;
};

/// The summary of the finished runs.
Summary summarize(const std::vector<EvaluatedRun>& runs);

/// Counts of successful runs by steps to the stop, in bins of equal width from the fewest steps.
struct Histogram {
    int first = 0;  ///< the lowest step count of the first bin
    int width = 1;  ///< step counts per bin
    std::vector<int> counts;
};

/// At most maxBins bins covering the steps of the successful runs; no bins without success.
Histogram stepHistogram(const std::vector<EvaluatedRun>& runs, int maxBins);

/// A number for people, in Polish: `decimals` places and a decimal comma.
std::string decimalText(double v, int decimals);
/// A share for people as a percentage with one decimal, as "83,9 %".
std::string percentText(double share);

/// A duration for people, in Polish: three decimals and a decimal comma, as "0,012 s".
std::string secondsText(double seconds);

/// The summary as lines of text for people, in Polish, with decimal commas.
std::vector<std::string> summaryLines(const Summary& s, const Evaluation& e);

}  // namespace vemrik
