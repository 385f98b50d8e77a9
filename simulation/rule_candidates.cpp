#include "simulation/rule_candidates.h"

#include "algorithm/rule_parse.h"

namespace vemrik {

Candidates collectCandidates(std::string_view pattern, const std::vector<std::string>& rules) {
    Candidates c;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (!ruleMatches(rules[i], pattern)) continue;
        c.angles[static_cast<std::size_t>(c.count)] = ruleAngle(rules[i]);
        c.lines[static_cast<std::size_t>(c.count)] = static_cast<int>(i);
        if (++c.count == kMaxCandidates) break;
    }
    return c;
}

}  // namespace vemrik
