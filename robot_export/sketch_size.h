#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "robot_export/sketch_plan.h"

namespace vemrik {

/// What an Arduino Uno gives a sketch: flash less the 512-byte boot loader, and RAM.
inline constexpr std::size_t kUnoFlashBytes = 32256;
inline constexpr std::size_t kUnoRamBytes = 2048;

/// A sketch's use of the board, as the Arduino IDE reports it after building.
struct SketchSize {
    std::size_t flash = 0;
    std::size_t ram = 0;
};

/// Whether a rule's line number needs more than 16 bits in the sketch's table.
bool wideLineNumbers(const SketchPlan& plan);

/// The bytes of a rule's text in the sketch: the CSV field and its terminating zero.
std::size_t ruleTextBytes(const SketchRule& rule);

/// An upper bound of the sketch's flash and RAM use, from its tables and a measured fixed base.
SketchSize sketchSize(const SketchPlan& plan);

/// Why the sketch cannot fit an Uno, with the figures, or nothing.
std::optional<std::string> unoSizeProblem(const SketchPlan& plan);

}  // namespace vemrik
