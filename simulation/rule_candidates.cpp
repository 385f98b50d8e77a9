#include "simulation/rule_candidates.h"

#include "algorithm/rule_parse.h"

namespace vemrik {

Candidates collectCandidates(std::string_view pattern, const std::vector<std::string>& rules) {
    Candidates c;
    for (const std::string& rule : rules) {
        if (!ruleMatches(rule, pattern)) continue;
        c.angles[static_cast<std::size_t>(c.count)] = ruleAngle(rule);
        if (++c.count == kMaxCandidates) break;
    }
    return c;
}

}  // namespace vemrik
