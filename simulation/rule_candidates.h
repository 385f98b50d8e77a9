#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/program_state.h"

namespace vemrik {

/// Most rules that can be candidates in one step.
inline constexpr int kMaxCandidates = 4;
/// Characters of a rule compared with the sensor pattern; the angle follows them.
inline constexpr std::size_t kRulePatternLength = 16;

/// The sensor pattern text, each state as decimal text and one blank, held in place.
class PatternText {
public:
    explicit PatternText(const std::array<std::int32_t, kSensorSlots>& states);
    std::string_view view() const { return {buf_.data(), len_}; }

private:
    std::array<char, kSensorSlots * 12> buf_{};  // room for any int32 and its blank
    std::size_t len_ = 0;
};

/// The turn angles of the matching rules, in list order; the slot after the last stays 0 and
/// stands for going straight on.
struct Candidates {
    std::array<float, kMaxCandidates + 1> angles{};
    int count = 0;
};

/// Whether a rule's first 16 characters (all of it when shorter) are the pattern.
bool ruleMatches(std::string_view rule, std::string_view pattern);

/// The first four rules that match the pattern, each angle read from the 17th character on.
/// Throws ConversionError for a matching rule whose angle is not a number.
Candidates collectCandidates(std::string_view pattern, const std::vector<std::string>& rules);

}  // namespace vemrik
