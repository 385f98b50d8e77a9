#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/number_text.h"
#include "app/program_state.h"

namespace vemrik {

/// Characters of a rule's sensor pattern: eight digits, each followed by one blank.
inline constexpr std::size_t kPatternLength = 16;

/// The sensor pattern text of the states: each value as decimal text followed by one blank.
void sensorPattern(const std::array<std::int32_t, kSensorSlots>& states, std::string& out);
/// The same pattern held in place, for paths that must not allocate; states are 0 or 1.
ShortText sensorPattern(const std::array<std::int32_t, kSensorSlots>& states);
/// The rule text: the sensor pattern followed by the angle as decimal text.
void ruleText(const std::array<std::int32_t, kSensorSlots>& states, int angle, std::string& out);

}  // namespace vemrik
