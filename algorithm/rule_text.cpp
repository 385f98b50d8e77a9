#include "algorithm/rule_text.h"

#include "app/number_text.h"

namespace vemrik {

void sensorPattern(const std::array<std::int32_t, kSensorSlots>& states, std::string& out) {
    out.clear();
    for (const std::int32_t v : states) {
        out += IntToStr(v).view();
        out += ' ';
    }
}

ShortText sensorPattern(const std::array<std::int32_t, kSensorSlots>& states) {
    ShortText out;
    for (const std::int32_t v : states) {
        out.append(IntToStr(v));
        out.append(" ");
    }
    return out;
}

void ruleText(const std::array<std::int32_t, kSensorSlots>& states, int angle, std::string& out) {
    sensorPattern(states, out);
    out += IntToStr(angle).view();
}

}  // namespace vemrik
