#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vemrik {

/// How fast the run timer ticks; one step a tick at every speed.
enum class RunSpeed { Normal = 1, Double = 2, Quadruple = 4 };

/// The run timer's interval: 200 ms, 100 ms or 50 ms. Each stays above the 25 ms refresh, so the
/// pose of one step is sensed before the next step.
constexpr int runInterval(RunSpeed speed) { return 200 / static_cast<int>(speed); }

/// A seed typed by the user: decimal digits, blanks around them allowed, 0 .. 4294967295;
/// nothing for anything else.
std::optional<std::uint32_t> seedFromText(std::string_view text);

}  // namespace vemrik
