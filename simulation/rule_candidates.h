#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vemrik {

/// Most rules that can be candidates in one step.
inline constexpr int kMaxCandidates = 4;

/// The turn angles of the matching rules, in list order; the slot after the last stays 0 and
/// stands for going straight on.
struct Candidates {
    std::array<float, kMaxCandidates + 1> angles{};
    int count = 0;
};

/// The first four rules that match the pattern, each angle read from the 17th character on.
/// Throws ConversionError for a matching rule whose angle is not a number.
Candidates collectCandidates(std::string_view pattern, const std::vector<std::string>& rules);

}  // namespace vemrik
