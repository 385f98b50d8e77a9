#include "simulation/rule_candidates.h"

#include <algorithm>

#include "app/number_text.h"

namespace vemrik {

PatternText::PatternText(const std::array<std::int32_t, kSensorSlots>& states) {
    for (const std::int32_t v : states) {
        const ShortText digits = IntToStr(v);
        const std::string_view d = digits.view();
        std::copy(d.begin(), d.end(), buf_.begin() + static_cast<std::ptrdiff_t>(len_));
        len_ += d.size();
        buf_[len_++] = ' ';
    }
}

bool ruleMatches(std::string_view rule, std::string_view pattern) {
    return rule.substr(0, kRulePatternLength) == pattern;
}

Candidates collectCandidates(std::string_view pattern, const std::vector<std::string>& rules) {
    Candidates c;
    for (const std::string& rule : rules) {
        const std::string_view line = rule;
        if (!ruleMatches(line, pattern)) continue;
        c.angles[static_cast<std::size_t>(c.count)] =
            static_cast<float>(StrToFloat(line.substr(kRulePatternLength)));
        if (++c.count == kMaxCandidates) break;
    }
    return c;
}

}  // namespace vemrik
