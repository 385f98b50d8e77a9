#pragma once

#include <cstdint>

namespace vemrik {

/// What belongs to the window and not to the work or the run: the tool chosen, the mouse, the
/// refresh cycle's tick count and redraw request, and the page in front.
struct FormState {
    std::int32_t EditTool = 0;
    std::int32_t TickCounter = 0;
    std::uint8_t MouseHeld = 0;
    std::uint8_t RedrawPending = 1;
    std::int32_t ActivePage = 0;
};

}  // namespace vemrik
