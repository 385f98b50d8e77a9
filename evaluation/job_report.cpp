#include "evaluation/job_report.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "evaluation/summary.h"
#include "platform/texts.h"

namespace vemrik {

namespace {

/// The columns a UTF-8 text takes on a terminal: one per character, none for continuation bytes.
int columns(const std::string& text) {
    return static_cast<int>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

/// A table row with each cell but the last padded to its column's width, at least one space after.
std::string paddedRow(const std::vector<std::string>& cells) {
    static constexpr int kWidths[] = {7, 12, 14, 8, 11, 10};
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        line += cells[i];
        if (i < std::size(kWidths))
            line.append(static_cast<std::size_t>(std::max(1, kWidths[i] - columns(cells[i]))), ' ');
    }
    return line;
}

// Genitive after "z" and "potrzebował": z 1 próby, z 2 prób; 1 kroku, 2 kroków.
constexpr CountedText kTries{{"próby", "run"}, {"prób", "runs"}, {"prób", "runs"}};
constexpr CountedText kStepsNeeded{{"kroku", "step"}, {"kroków", "steps"}, {"kroków", "steps"}};

/// A whole percentage that says neither none nor all unless it is so.
std::string wholePercent(int hits, int n) {
    const long long whole =
        std::clamp(std::llround(100.0 * hits / n), hits > 0 ? 1LL : 0LL, hits < n ? 99LL : 100LL);
    return std::to_string(whole) + " %";
}

std::vector<std::string> evaluationLines(const JobResult& r, const Summary& summary) {
    std::vector<std::string> lines;
    if (r.settings.noise.any())
        lines.push_back(say({"Zakłócenia: {1}", "Noise: {1}"}, {noiseText(r.settings.noise)}));
    for (std::string& line : summaryLines(summary, r.evaluation)) lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> sweepHead(const JobResult& r) {
    std::vector<std::string> lines{
        say({"Zakłócenia przy poziomie 1: {1}", "Noise at level 1: {1}"}, {noiseText(r.settings.noise)})};
    if (r.cancelled())
        lines.push_back(
            say({"Przerwano: ukończono {1} z {2} poziomów.", "Cancelled: {1} of {2} levels finished."},
                {std::to_string(r.wholeLevels()), std::to_string(r.settings.levels.size())}));
    return lines;
}

}  // namespace

std::string headline(const Summary& s) {
    if (s.runs == 0) return say({"Robot nie odbył żadnej próby.", "The robot made no run."});
    if (s.successes == 0)
        return s.runs == 1 ? say({"Robot nie dojechał do mety w jedynej próbie.",
                                  "The robot did not reach the finish in its only run."})
                           : say({"Robot nie dojechał do mety w żadnej z {1} prób.",
                                  "The robot did not reach the finish in any of the {1} runs."},
                                 {std::to_string(s.runs)});
    const std::string arrived =
        say({"Robot dojechał do mety w {1} z {2} ({3})", "The robot reached the finish in {1} of {2} ({3})"},
            {std::to_string(s.successes), sayCounted(s.runs, kTries), wholePercent(s.successes, s.runs)});
    const std::string steps = sayCounted(s.medianSteps.value_or(0), kStepsNeeded);
    return arrived + (s.successes == 1
                          ? say({"; potrzebował {1}.", "; it needed {1}."}, {steps})
                          : say({"; zwykle potrzebował {1}.", "; it usually needed {1}."}, {steps}));
}

JobReport jobReport(const JobResult& r) {
    JobReport report;
    if (r.settings.sweeps()) {
        report.lines = sweepHead(r);
        report.table = sweepTable(r.sweep);
    } else {
        const Summary summary = summarize(r.evaluation.runs);
        report.headline = headline(summary);
        report.lines = evaluationLines(r, summary);
    }
    report.time = say({"Czas: {1}", "Time: {1}"}, {secondsText(r.seconds)});
    return report;
}

std::vector<std::string> reportLines(const JobReport& report) {
    std::vector<std::string> lines;
    if (!report.headline.empty()) lines.push_back(report.headline);
    lines.insert(lines.end(), report.lines.begin(), report.lines.end());
    for (const std::vector<std::string>& row : report.table) lines.push_back(paddedRow(row));
    lines.push_back(report.time);
    return lines;
}

std::string settingsLine(const JobSettings& s) {
    return say(
        {"Limit kroków {1}, ziarna {2} … {3}", "Step limit {1}, seeds {2} … {3}"},
        {std::to_string(s.maxSteps), std::to_string(s.seed), std::to_string(runSeed(s.seed, s.runs - 1))});
}

std::string failedRunLine(const EvaluatedRun& r) {
    const std::string what =
        r.result.outcome == Outcome::Lost ? say({"zgubiony", "lost"}) : say({"bez stopu", "no stop"});
    return say({"przebieg {1}, ziarno {2}: {3} po {4} krokach", "run {1}, seed {2}: {3} after {4} steps"},
               {std::to_string(r.run + 1), std::to_string(r.seed), what, std::to_string(r.result.steps)});
}

std::vector<EvaluatedRun> failedRuns(const JobResult& r, std::size_t most) {
    std::vector<EvaluatedRun> failed;
    for (const EvaluatedRun& run : r.evaluation.runs) {
        if (failed.size() == most) break;
        if (run.result.outcome == Outcome::Lost || run.result.outcome == Outcome::Timeout)
            failed.push_back(run);
    }
    return failed;
}

}  // namespace vemrik
