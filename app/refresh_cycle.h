#pragma once

#include "app/program_state.h"

namespace vemrik {

/// Ticks between forced redraws.
inline constexpr int kForcedRedrawTicks = 15;

/// One refresh tick: counts, forces a redraw every 15th tick, and returns true (clearing the
/// flag first) when the visible page is to be drawn now.
bool refreshTick(ProgramState& s);

}  // namespace vemrik
