#pragma once

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

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

}  // namespace vemrik
