#include "analysis/rule_reading.h"

#include <numeric>

namespace vemrik {

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
