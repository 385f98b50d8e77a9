// The rule check and the inspector's reading on a list of 1,000 lines for a robot of eight
// sensors: the check must answer well within a frame, the inspector follows every redraw.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "algorithm/rule_text.h"
#include "analysis/rule_check.h"

namespace vemrik::bench {

namespace {

// 1,000 lines over 200 patterns, so many patterns have five or more lines and many none; every
// 50th line has an angle that cannot be read, every 7th repeats 30.
std::vector<std::string> thousandLines() {
    std::mt19937 draws(1);
    std::vector<std::string> rules;
    for (int i = 0; i < 1000; ++i) {
        std::array<std::int32_t, kSensorSlots> states{};
        const auto pattern = draws() % 200;
        for (int k = 0; k < kSensorSlots; ++k) states[static_cast<std::size_t>(k)] = (pattern >> k) & 1;
        std::string line;
        ruleText(states, i % 7 == 0 ? 30 : static_cast<int>(draws() % 721) - 360, line);
        if (i % 50 == 0) line = line.substr(0, kPatternLength) + "x";
        rules.push_back(line);
    }
    return rules;
}

void RuleCheckThousandLines(benchmark::State& state) {
    const std::vector<std::string> rules = thousandLines();
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<Finding> f = checkRules(rules, kSensorSlots);
        found = f.size();
        benchmark::DoNotOptimize(f.data());
    }
    state.counters["findings"] = static_cast<double>(found);
}

// What the inspector does at a redraw after an edit of the list: read it, then the odds of one
// pattern.
void InspectorThousandLines(benchmark::State& state) {
    const std::vector<std::string> rules = thousandLines();
    int pattern = 0;
    for (auto _ : state) {
        const PatternOdds odds = oddsAt(readLines(rules), pattern);
        pattern = (pattern + 1) % kPatternCount;
        benchmark::DoNotOptimize(odds.lines.data());
    }
}

}  // namespace

BENCHMARK(RuleCheckThousandLines);
BENCHMARK(InspectorThousandLines);

}  // namespace vemrik::bench
