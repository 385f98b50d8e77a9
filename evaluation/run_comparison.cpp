#include "evaluation/run_comparison.h"

#include <algorithm>

#include "evaluation/headless_run.h"
#include "workspace/rule_line.h"

namespace vemrik {

namespace {

void countStep(RunCounts& counts, int pattern, int line) {
    ++counts.steps;
    ++counts.patterns[static_cast<std::size_t>(pattern)];
    if (line < 0) {
        ++counts.noRule;
        return;
    }
    const auto at = static_cast<std::size_t>(line);
    if (at >= counts.lineHits.size()) counts.lineHits.resize(at + 1, 0);
    ++counts.lineHits[at];
}

}  // namespace

std::uint64_t RunCounts::hits(std::size_t line) const {
    if (line < lineHits.size()) return lineHits[line];
    const auto at = std::lower_bound(beyond.begin(), beyond.end(), line, [](const auto& b, std::size_t l) {
        return static_cast<std::size_t>(b.first) < l;
    });
    return at != beyond.end() && static_cast<std::size_t>(at->first) == line ? at->second : 0;
}

RunCounts countLog(const RunLog& log, std::size_t lines) {
    RunCounts counts;
    counts.lineHits.assign(lines, 0);
    std::vector<int> past;
    for (const LoggedStep& s : log.steps) {
        const int line = s.ruleIndex - 1;
        if (line >= 0 && static_cast<std::size_t>(line) >= lines) {
            ++counts.steps;
            ++counts.patterns[s.sensors];
            past.push_back(line);
        } else {
            countStep(counts, s.sensors, line);
        }
    }
    std::sort(past.begin(), past.end());
    for (const int line : past) {
        if (counts.beyond.empty() || counts.beyond.back().first != line) counts.beyond.emplace_back(line, 0);
        ++counts.beyond.back().second;
    }
    return counts;
}

RunCounts simulateCounts(const RunSetup& setup, std::uint32_t seed, std::uint64_t steps) {
    RunCounts counts;
    HeadlessRun run(setup, seed);
    while (counts.steps < steps) {
        if (run.stopSensed()) {
            counts.stopped = true;
            break;
        }
        const int pattern = run.pattern();
        if (!run.step()) break;
        countStep(counts, pattern, run.lastRule());
    }
    return counts;
}

std::vector<int> uncoveredPatterns(const RunCounts& run, const std::vector<std::string>& rules) {
    std::array<bool, kPatternCount> written{};
    for (const std::string& line : rules)
        if (const int p = rulePattern(line); p >= 0) written[static_cast<std::size_t>(p)] = true;
    std::vector<int> uncovered;
    for (int p = 0; p < kPatternCount; ++p)
        if (run.patterns[static_cast<std::size_t>(p)] > 0 && !written[static_cast<std::size_t>(p)])
            uncovered.push_back(p);
    return uncovered;
}

std::vector<OtherLine> otherLines(const RunLog& log, const std::vector<std::string>& rules) {
    // An exported robot logs its rules without the blanks around their angles.
    std::vector<std::string> trimmed;
    trimmed.reserve(rules.size());
    for (const std::string& rule : rules) trimmed.push_back(trimmedRule(rule));
    std::vector<OtherLine> other;
    for (const LoggedStep& s : log.steps) {
        if (s.ruleIndex == 0) continue;
        const auto line = static_cast<std::size_t>(s.ruleIndex - 1);
        if (line < rules.size() && (trimmed[line] == log.ruleText(s) || rules[line] == log.ruleText(s)))
            continue;
        other.push_back({s.ruleIndex - 1, s.text});
    }
    // Stable, so that of a line's texts the first the log gives stays first.
    const auto byLine = [](const OtherLine& a, const OtherLine& b) { return a.line < b.line; };
    std::stable_sort(other.begin(), other.end(), byLine);
    const auto sameLine = [](const OtherLine& a, const OtherLine& b) { return a.line == b.line; };
    other.erase(std::unique(other.begin(), other.end(), sameLine), other.end());
    return other;
}

std::string patternText(int pattern, int sensors) {
    std::string text;
    for (int k = 0; k < sensors; ++k) {
        if (k > 0) text += ' ';
        text += ((pattern >> k) & 1) != 0 ? '1' : '0';
    }
    return text;
}

}  // namespace vemrik
