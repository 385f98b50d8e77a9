#include "evaluation/summary.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/decimal.h"
#include "platform/texts.h"

namespace vemrik {

namespace {

// The two-sided 95 % quantile of the normal distribution.
constexpr double kZ = 1.959963984540054;

std::vector<int> successSteps(const std::vector<EvaluatedRun>& runs) {
    std::vector<int> steps;
    for (const EvaluatedRun& r : runs)
        if (r.result.outcome == Outcome::Success) steps.push_back(r.result.steps);
    return steps;
}

/// `decimals` places with the decimal sign of the language spoken; never from the locale.
std::string decimal(double v, int decimals) {
    std::string text = fixedText(v, decimals);
    std::replace(text.begin(), text.end(), '.', decimalSign()[0]);
    return text;
}

std::string percent(double share) { return decimal(100.0 * share, 1) + " %"; }

std::string countAndShare(int count, double share) {
    return std::to_string(count) + " (" + percent(share) + ")";
}

}  // namespace

Rate wilsonRate(int hits, int n) {
    if (n <= 0) return {};
    const double p = static_cast<double>(hits) / n;
    const double z2 = kZ * kZ;
    const double denominator = 1.0 + z2 / n;
    const double centre = (p + z2 / (2.0 * n)) / denominator;
    const double half = kZ * std::sqrt(p * (1.0 - p) / n + z2 / (4.0 * n * n)) / denominator;
    return {p, std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

std::optional<int> nearestRank(std::vector<int> values, int percent) {
    if (values.empty()) return std::nullopt;
    const std::size_t n = values.size();
    // ceil(percent / 100 * n), at least the first value.
    const std::size_t rank = std::max<std::size_t>(1, (static_cast<std::size_t>(percent) * n + 99) / 100);
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(rank - 1), values.end());
    return values[rank - 1];
}

Summary summarize(const std::vector<EvaluatedRun>& runs) {
    Summary s;
    s.runs = static_cast<int>(runs.size());
    for (const EvaluatedRun& r : runs) {
        if (r.result.outcome == Outcome::Success) ++s.successes;
        if (r.result.outcome == Outcome::Lost) ++s.lost;
        if (r.result.stepFailed) ++s.failedSteps;
        if (r.result.outcome == Outcome::Timeout) ++s.timeouts;
    }
    s.success = wilsonRate(s.successes, s.runs);
    if (s.runs > 0) {
        s.lostRate = static_cast<double>(s.lost) / s.runs;
        s.timeoutRate = static_cast<double>(s.timeouts) / s.runs;
    }
    const std::vector<int> steps = successSteps(runs);
    s.medianSteps = nearestRank(steps, 50);
    s.p90Steps = nearestRank(steps, 90);
    return s;
}

Histogram stepHistogram(const std::vector<EvaluatedRun>& runs, int maxBins) {
    const std::vector<int> steps = successSteps(runs);
    Histogram h;
    if (steps.empty() || maxBins < 1) return h;
    const auto [lo, hi] = std::minmax_element(steps.begin(), steps.end());
    const long long span = static_cast<long long>(*hi) - *lo + 1;
    h.first = *lo;
    h.width = static_cast<int>((span + maxBins - 1) / maxBins);
    h.counts.assign(static_cast<std::size_t>((span + h.width - 1) / h.width), 0);
    for (const int v : steps) ++h.counts[static_cast<std::size_t>((v - h.first) / h.width)];
    return h;
}

std::string decimalText(double v, int decimals) { return decimal(v, decimals); }
std::string percentText(double share) { return percent(share); }

std::string secondsText(double seconds) { return decimal(seconds, 3) + " s"; }

std::vector<std::string> summaryLines(const Summary& s, const Evaluation& e) {
    std::vector<std::string> lines;
    if (e.cancelled)
        lines.push_back(
            say({"Przerwano: ukończono {1} z {2} przebiegów", "Cancelled: {1} of {2} runs finished"},
                {std::to_string(s.runs), std::to_string(e.requested)}));
    else
        lines.push_back(say({"Przebiegi: {1}", "Runs: {1}"}, {std::to_string(s.runs)}));
    lines.push_back(
        say({"Dojazd do stopu: {1}, przedział ufności 95 %: {2} – {3}",
             "Reached the stop: {1}, 95 % confidence interval: {2} – {3}"},
            {countAndShare(s.successes, s.success.value), percent(s.success.low), percent(s.success.high)}));
    if (s.medianSteps)
        lines.push_back(say({"Kroki do stopu: mediana {1}, 90. percentyl {2}",
                             "Steps to the stop: median {1}, 90th percentile {2}"},
                            {std::to_string(*s.medianSteps), std::to_string(*s.p90Steps)}));
    else
        lines.push_back(
            say({"Kroki do stopu: żaden przebieg nie dojechał", "Steps to the stop: no run arrived"}));
    std::string lost = say({"Poza mapą: {1}", "Off the map: {1}"}, {countAndShare(s.lost, s.lostRate)});
    if (s.failedSteps > 0)
        lost += say(
            {", w tym krok poza zakresem liczb: {1}", ", among them a step beyond the numbers' range: {1}"},
            {std::to_string(s.failedSteps)});
    lines.push_back(lost);
    lines.push_back(
        say({"Limit kroków: {1}", "Step limit: {1}"}, {countAndShare(s.timeouts, s.timeoutRate)}));
    return lines;
}

}  // namespace vemrik
