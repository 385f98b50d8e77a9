#include "workspace/rule_line.h"

#include "algorithm/rule_parse.h"
#include "algorithm/rule_text.h"
#include "app/errors.h"
#include "platform/texts.h"

namespace vemrik {

namespace {

// Eight digits 0 or 1, each followed by one blank: what the rule editor can write.
bool isPattern(std::string_view head) {
    if (head.size() != kPatternLength) return false;
    for (std::size_t i = 0; i < kPatternLength; i += 2)
        if ((head[i] != '0' && head[i] != '1') || head[i + 1] != ' ') return false;
    return true;
}

// Quotes the angle text when it is short, plain ASCII; anything else would only garble the box.
std::string quoted(std::string_view text) {
    if (text.empty() || text.size() > 24) return {};
    for (const char c : text)
        if (c < 0x20 || c > 0x7E) return {};
    return " „" + std::string(text) + "”";
}

}  // namespace

std::optional<std::string> ruleLineProblem(std::string_view line) {
    if (!isPattern(line.substr(0, kPatternLength)))
        return say(
            {"pierwsze 16 znaków musi być wzorcem ośmiu cyfr 0 lub 1, każdej z jednym odstępem "
             "po niej (np. „1 0 0 0 0 0 0 1 -30”)",
             "the first 16 characters must be a pattern of eight digits 0 or 1, each with one space "
             "after it (e.g. “1 0 0 0 0 0 0 1 -30”)"});
    const std::string_view angle = line.substr(kPatternLength);
    if (angle.empty()) return say({"po wzorcu brakuje kąta", "the angle is missing after the pattern"});
    try {
        ruleAngle(line);
    } catch (const ConversionError&) {
        return say({"kąt{1} nie jest liczbą", "the angle{1} is not a number"}, {quoted(angle)});
    }
    return std::nullopt;
}

std::string trimmedRule(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t", kPatternLength);
    const std::size_t last = line.find_last_not_of(" \t");
    const std::string_view head = line.substr(0, kPatternLength);
    if (first == std::string_view::npos || last < first) return std::string(head);
    return std::string(head) + std::string(line.substr(first, last + 1 - first));
}

}  // namespace vemrik
