#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "robot_export/sketch_plan.h"

namespace vemrik {

/// The sketch's text: a settings block with defaults for common parts, the decision table and
/// the draws in program memory, and the loop that senses, chooses, turns, drives and logs one
/// CSV line a step. Plain C++11 after `#include <Arduino.h>`, every function declared first.
std::string arduinoSketch(const SketchPlan& plan);

/// The sketch's line naming the workspace it was made from.
std::string sourceLine(const SketchPlan& plan);

/// The sketch's line giving the robot's sensor count, which the user's pin settings must match.
std::string sensorCountLine(const SketchPlan& plan);

/// The user's settings in a sketch's text, from their heading to the decision table's; nothing
/// when the text has no such block, and so is no sketch of ours.
std::optional<std::string_view> settingsBlock(std::string_view sketch);

/// A sketch of ours with `settings` in place of its own settings block.
std::string withSettings(const std::string& sketch, std::string_view settings);

/// A C string literal that holds `text` byte for byte.
std::string cStringLiteral(std::string_view text);

/// A float literal that reads back as exactly `v`.
std::string floatLiteral(float v);

}  // namespace vemrik
