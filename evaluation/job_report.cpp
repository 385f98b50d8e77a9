#include "evaluation/job_report.h"

#include <algorithm>
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

std::vector<std::string> evaluationLines(const JobResult& r) {
    std::vector<std::string> lines;
    if (r.settings.noise.any())
        lines.push_back(say({"Zakłócenia: {1}", "Noise: {1}"}, {noiseText(r.settings.noise)}));
    for (std::string& line : summaryLines(summarize(r.evaluation.runs), r.evaluation))
        lines.push_back(std::move(line));
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

JobReport jobReport(const JobResult& r) {
    JobReport report;
    if (r.settings.sweeps()) {
        report.lines = sweepHead(r);
        report.table = sweepTable(r.sweep);
    } else {
        report.lines = evaluationLines(r);
    }
    report.time = say({"Czas: {1}", "Time: {1}"}, {secondsText(r.seconds)});
    return report;
}

std::vector<std::string> reportLines(const JobReport& report) {
    std::vector<std::string> lines = report.lines;
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
