#pragma once

#include <array>

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

}  // namespace vemrik
