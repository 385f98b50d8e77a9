#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vemrik {

/// Most rules that can be candidates in one step.
inline constexpr int kMaxCandidates = 4;

/// The rule index that stands for no rule: the robot went straight on.
inline constexpr int kNoRule = -1;

/// The turn angles of the matching rules, in list order; the slot after the last stays 0 and
/// stands for going straight on. `lines` holds each candidate's index in the rule list.
struct Candidates {
    std::array<float, kMaxCandidates + 1> angles{};
    std::array<int, kMaxCandidates> lines{};
    int count = 0;
};

/// The first four rules that match the pattern, each angle read from the 17th character on, with
/// their list indices.
/// Throws ConversionError for a matching rule whose angle is not a number.
Candidates collectCandidates(std::string_view pattern, const std::vector<std::string>& rules);

}  // namespace vemrik
