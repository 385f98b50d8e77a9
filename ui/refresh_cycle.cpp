#include "ui/refresh_cycle.h"

namespace vemrik {

bool refreshTick(FormState& s) {
    const bool draw = refreshDue(s);
    s.TickCounter = s.TickCounter + 1 == kForcedRedrawTicks ? 0 : s.TickCounter + 1;
    // Cleared before drawing, so a request made while drawing survives to the next tick.
    if (draw) s.RedrawPending = 0;
    return draw;
}

}  // namespace vemrik
