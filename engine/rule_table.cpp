#include "engine/rule_table.h"

#include <algorithm>

#include "algorithm/rule_parse.h"
#include "algorithm/rule_text.h"
#include "engine/line_reading.h"

namespace vemrik {

int rulePattern(std::string_view line) {
    if (line.size() < kPatternLength) return -1;
    int bits = 0;
    for (int k = 0; k < kSensorSlots; ++k) {
        const char digit = line[static_cast<std::size_t>(2 * k)];
        if ((digit != '0' && digit != '1') || line[static_cast<std::size_t>(2 * k + 1)] != ' ') return -1;
        if (digit == '1') bits |= 1 << k;
    }
    return bits;
}

int patternOf(const std::array<std::int32_t, kSensorSlots>& states) {
    int bits = 0;
    for (int k = 0; k < kSensorSlots; ++k)
        if (states[static_cast<std::size_t>(k)] != 0) bits |= 1 << k;
    return bits;
}

void RuleTable::follow(const RuleList& rules) {
    if (stamped_ && rules.stamp() == stamp_) return;
    follow(rules.lines());
    stamp_ = rules.stamp();
    stamped_ = true;
}

void RuleTable::follow(const std::vector<std::string>& rules) {
    rules_ = rules;
    // Lines given without a stamp: the next stamped list is read again.
    stamped_ = false;
    candidates_.fill(Candidates{});
    fault_.fill(-1);
    const std::vector<LineReading> lines = readLines(rules);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineReading& line = lines[i];
        if (line.pattern < 0 || line.rank >= kMaxCandidates) continue;
        Candidates& c = candidates_[static_cast<std::size_t>(line.pattern)];
        int& fault = fault_[static_cast<std::size_t>(line.pattern)];
        // A step stops at the first angle it cannot read; later lines of the pattern never act.
        if (fault >= 0) continue;
        if (!line.readable) {
            fault = static_cast<int>(i);
            continue;
        }
        c.angles[static_cast<std::size_t>(c.count)] = line.angle;
        c.lines[static_cast<std::size_t>(c.count++)] = static_cast<int>(i);
    }
}

void RuleTable::readFault(int line) const {
    ruleAngle(rules_[static_cast<std::size_t>(line)]);  // throws
}

int RuleTable::firstFault() const {
    int first = -1;
    for (const int f : fault_)
        if (f >= 0 && (first < 0 || f < first)) first = f;
    return first;
}

}  // namespace vemrik
