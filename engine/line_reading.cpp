#include "engine/line_reading.h"

#include <array>

#include "algorithm/rule_parse.h"
#include "app/errors.h"
#include "engine/rule_candidates.h"
#include "engine/rule_table.h"

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

}  // namespace vemrik
