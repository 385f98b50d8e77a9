#pragma once

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <numeric>

namespace vemrik {

/// How much larger the form is shown: num / den widget pixels per image pixel.
struct Zoom {
    int num = 1;
    int den = 1;
    friend constexpr bool operator==(Zoom, Zoom) = default;
};

inline constexpr std::array<Zoom, 3> kZooms = {Zoom{1, 1}, Zoom{3, 2}, Zoom{2, 1}};

namespace zoom_detail {
constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}
constexpr int saturate(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}
}  // namespace zoom_detail

/// The widget pixels that show `length` image pixels whole: the last one gets its full share.
constexpr int zoomedLength(int length, Zoom z) {
    return zoom_detail::saturate(-zoom_detail::floorDiv(-std::int64_t{length} * z.num, z.den));
}

/// A position of the layout, zoomed and rounded down, so that edges shared at ×1 stay shared.
constexpr int zoomedPosition(int v, Zoom z) {
    return zoom_detail::saturate(zoom_detail::floorDiv(std::int64_t{v} * z.num, z.den));
}

/// The image pixel under widget pixel p: p / factor rounded down, left of and above the image too,
/// so a drag outside keeps moving by whole pixels as at ×1.
constexpr int imagePixelAt(int p, Zoom z) {
    return zoom_detail::saturate(zoom_detail::floorDiv(std::int64_t{p} * z.den, z.num));
}

struct Extent {
    int width = 0;
    int height = 0;
};

/// Whether a window fits `available` at zoom `z`: `grows` is what is larger with the zoom (the form,
/// the menus and bars, whose text grows too) as it is at ×1, `fixed` what is not (the window's frame).
constexpr bool zoomFits(Zoom z, Extent grows, Extent fixed, Extent available) {
    return zoomedLength(grows.width, z) + fixed.width <= available.width &&
           zoomedLength(grows.height, z) + fixed.height <= available.height;
}

/// Which of kZooms are offered: those that fit, and ×1 always, the smallest there is, where the
/// form scrolls as it always did.
constexpr std::array<bool, kZooms.size()> offeredZooms(Extent grows, Extent fixed, Extent available) {
    std::array<bool, kZooms.size()> offered{};
    for (std::size_t i = 0; i < kZooms.size(); ++i)
        offered[i] = i == 0 || zoomFits(kZooms[i], grows, fixed, available);
    return offered;
}

/// The largest zoom offered: what is shown when the zoom chosen does not fit this screen.
constexpr Zoom largestOfferedZoom(Extent grows, Extent fixed, Extent available) {
    const auto offered = offeredZooms(grows, fixed, available);
    Zoom best = kZooms[0];
    for (std::size_t i = 0; i < kZooms.size(); ++i)
        if (offered[i]) best = kZooms[i];
    return best;
}

/// "Dopasuj do ekranu": the largest zoom in tenths from ×1 to ×2 that fits, in lowest terms, so
/// that a projector's 1366 × 768 gets ×1.4 where the menu's steps would leave it at ×1.
constexpr Zoom fittedZoom(Extent grows, Extent fixed, Extent available) {
    constexpr int kTenths = 10;
    Zoom best = kZooms[0];
    for (int n = kTenths; n <= 2 * kTenths; ++n)
        if (zoomFits(Zoom{n, kTenths}, grows, fixed, available)) best = Zoom{n, kTenths};
    const int d = std::gcd(best.num, best.den);
    return Zoom{best.num / d, best.den / d};
}

}  // namespace vemrik
