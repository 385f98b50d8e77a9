#pragma once

#include <string>

#include "robot_export/sketch_plan.h"

namespace vemrik {

/// The wiring of the sketch's default pins as an SVG picture: the board's pins wired to the
/// sensors, the motor driver and power, and a top view of where the sensors sit on the robot.
std::string wiringSvg(const SketchPlan& plan);

}  // namespace vemrik
