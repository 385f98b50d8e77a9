#pragma once

#include "app/program_state.h"

namespace vemrik {

/// Check box sensor + 1 changed: sensor `sensor` (0 .. 7) takes its checked state as 1 or 0.
/// Only that one entry changes.
void setSensorState(ProgramState& s, int sensor, bool checked);

}  // namespace vemrik
