#pragma once

#include "app/program_state.h"

namespace vemrik {

/// Whether the robot, where the state has it, has a body or wheel cell over a stop cell of the map
/// while none of its sensors' sample points lies on one: it drives over the stop without seeing
/// it. A cell counts by its middle, placed as the drawing places the robot.
bool stopPassedUnseen(const ProgramState& s);
/// The same for the robot and map boards with the robot at (x, y) facing `heading`.
bool stopPassedUnseen(const Grid& robot, const Grid& map, float x, float y, float heading);

}  // namespace vemrik
