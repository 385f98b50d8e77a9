#include "engine/rule_reading.h"

#include <array>
#include <numeric>

#include "algorithm/rule_parse.h"
#include "app/errors.h"

namespace vemrik {

std::vector<LineReading> readLines(const std::vector<std::string>& rules) {
    std::vector<LineReading> out(rules.size());
    std::array<int, kPatternCount> seen{};
    for (std::size_t i = 0; i < rules.size(); ++i) {
        LineReading& r = out[i];
        r.pattern = rulePattern(rules[i]);
        if (r.pattern < 0) continue;
        r.rank = seen[static_cast<std::size_t>(r.pattern)]++;
        if (r.rank >= kMaxCandidates) continue;
        try {
            r.angle = ruleAngle(rules[i]);
            r.readable = true;
        } catch (const ConversionError&) {
        }
    }
    return out;
}

LineFate fateOf(const LineReading& line, int sensors) {
    if (line.pattern < 0) return LineFate::NoPattern;
    if (!reachable(line.pattern, sensors)) return LineFate::MissingSensor;
    if (line.rank >= kMaxCandidates) return LineFate::Crowded;
    return line.readable ? LineFate::Acts : LineFate::BadAngle;
}

Chance chance(int num, int den) {
    const int g = std::gcd(num, den);
    return g == 0 ? Chance{} : Chance{num / g, den / g};
}

void PatternOdds::add(int line, const LineReading& reading) {
    lines.push_back(line);
    if (reading.rank >= kMaxCandidates) return;
    ++candidates;
    if (!reading.readable && fault < 0) fault = line;
}

PatternOdds oddsAt(const std::vector<LineReading>& lines, int pattern) {
    PatternOdds odds;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].pattern == pattern) odds.add(static_cast<int>(i), lines[i]);
    return odds;
}

}  // namespace vemrik
