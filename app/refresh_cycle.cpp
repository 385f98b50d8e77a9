#include "app/refresh_cycle.h"

namespace vemrik {

bool refreshTick(ProgramState& s) {
    s.TickCounter += 1;
    if (s.TickCounter == kForcedRedrawTicks) {
        s.RedrawPending = 1;
        s.TickCounter = 0;
    }
    if (s.RedrawPending != 1) return false;
    // Cleared before drawing, so a request made while drawing survives to the next tick.
    s.RedrawPending = 0;
    return true;
}

}  // namespace vemrik
