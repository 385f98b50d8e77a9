#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "ui/zoom.h"

namespace vemrik {

/// The zoom menu's steps, each kept as a percentage between visits.
struct ZoomEntry {
    Zoom zoom;
    int percent;
    std::string_view command;
};

inline constexpr std::array<ZoomEntry, kZooms.size()> kZoomEntries = {{
    {kZooms[0], 100, "view.zoom100"},
    {kZooms[1], 150, "view.zoom150"},
    {kZooms[2], 200, "view.zoom200"},
}};

inline constexpr std::string_view kZoomFitCommand = "view.zoomFit";
/// What "Dopasuj do ekranu" is kept as, being no percentage.
inline constexpr int kZoomFitPercent = 0;

/// What the zoom menu offers and ticks, and the zoom the form is shown at.
struct ZoomShown {
    std::array<bool, kZooms.size()> offered{};
    Zoom zoom;
    std::string_view ticked;
};

/// For the choice kept as `percent` (an unknown one, from an older or hand-edited store, is ×1): the
/// fit follows the room; a step that does not fit shows, and ticks, the largest one offered.
constexpr ZoomShown zoomShown(int percent, Extent grows, Extent fixed, Extent available) {
    ZoomShown shown{offeredZooms(grows, fixed, available), kZooms[0], kZoomFitCommand};
    if (percent == kZoomFitPercent) {
        shown.zoom = fittedZoom(grows, fixed, available);
        return shown;
    }
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < kZoomEntries.size(); ++i)
        if (kZoomEntries[i].percent == percent) chosen = i;
    shown.zoom =
        shown.offered[chosen] ? kZoomEntries[chosen].zoom : largestOfferedZoom(grows, fixed, available);
    for (const ZoomEntry& e : kZoomEntries)
        if (e.zoom == shown.zoom) shown.ticked = e.command;
    return shown;
}

}  // namespace vemrik
