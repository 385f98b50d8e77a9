#pragma once

#include <cstdint>

#include "app/grid.h"
#include "app/program_state.h"
#include "raster/raster.h"

namespace vemrik {

/// The tools of the robot page, as its buttons choose them.
enum RobotTool : std::int32_t {
    kRobotNoTool = 0,
    kToolBody = 1,
    kToolErase = 2,
    kToolWheel = 3,
    kToolSensor = 4,
    kToolDoubleSensor = 5,
};

/// The tool's write into the cell under pointer (x, y); on a press the double sensor also
/// writes its right neighbour. Throws RangeError for a cell off the board, after the writes
/// that came before it. Returns whether a cell changed.
bool writeRobotTool(Grid& robot, std::int32_t tool, int x, int y, bool press);

/// A press on the board image: the tool's press write. Returns whether a cell changed.
bool pressRobot(ProgramState& s, std::int32_t tool, int x, int y);

/// The shape the tool would place, drawn over the cell under pointer (x, y); nothing for no tool.
void paintRobotPreview(Raster& image, std::int32_t tool, int x, int y);

}  // namespace vemrik
