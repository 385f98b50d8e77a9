#pragma once

#include "app/program_state.h"

namespace vemrik {

/// The state part of FormCreate: pose and sensor states to 0, both boards sized and zeroed,
/// in the documented order. Touches no other field.
void createState(ProgramState& s);

}  // namespace vemrik
