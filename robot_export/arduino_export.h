#pragma once

#include <optional>
#include <string>

#include "robot_export/sketch_plan.h"

namespace vemrik {

/// A name the Arduino IDE takes for a sketch and its folder: ASCII letters, digits and '_',
/// starting with a letter, at most 63 characters; "robot" when nothing of `wanted` is left.
std::string sketchName(const std::string& wanted);

/// The files an export writes, for the messages that name them.
struct SketchFiles {
    std::string folder;  ///< DIR/NAME
    std::string sketch;  ///< DIR/NAME/NAME.ino
    std::string wiring;  ///< DIR/NAME/wiring.svg
};
SketchFiles sketchFiles(const std::string& dir, const std::string& name);

/// Writes the sketch folder as the Arduino IDE expects it, with the wiring picture beside the
/// sketch; each file whole or not at all. Returns the error in Polish, or nothing.
[[nodiscard]] std::optional<std::string> writeSketchFolder(const SketchPlan& plan, const std::string& dir);

}  // namespace vemrik
