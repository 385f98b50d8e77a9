#pragma once

#include "ui/form_state.h"

namespace vemrik {

/// Ticks between forced redraws.
inline constexpr int kForcedRedrawTicks = 15;

/// One refresh tick: counts, forces a redraw every 15th tick, and returns true (clearing the
/// flag first) when the visible page is to be drawn now.
bool refreshTick(FormState& s);

/// Whether the next refresh tick will draw, without counting it.
inline bool refreshDue(const FormState& s) {
    return s.RedrawPending == 1 || s.TickCounter + 1 == kForcedRedrawTicks;
}

}  // namespace vemrik
