#pragma once

#include <string>
#include <string_view>

#include "robot_export/sketch_plan.h"

namespace vemrik {

/// The sketch's text: a settings block with defaults for common parts, the decision table and
/// the draws in program memory, and the loop that senses, chooses, turns, drives and logs one
/// CSV line a step. Plain C++11 after `#include <Arduino.h>`, every function declared first.
std::string arduinoSketch(const SketchPlan& plan);

/// A C string literal that holds `text` byte for byte.
std::string cStringLiteral(std::string_view text);

/// A float literal that reads back as exactly `v`.
std::string floatLiteral(float v);

}  // namespace vemrik
