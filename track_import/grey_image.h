#pragma once

#include <cstdint>
#include <vector>

namespace vemrik {

/// A picture as the import works on it: one byte of brightness per pixel, 0 black, 255 white,
/// row by row. Pixel (x, y) lies on map pixel (x, y).
struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    std::uint8_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

/// Which pixels belong to the track: 1 on, 0 off, row by row. Outside the mask is off.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> on;

    Mask() = default;
    Mask(int w, int h)
        : width(w), height(h), on(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0) {}

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    }
    bool at(int x, int y) const { return inside(x, y) && on[index(x, y)] != 0; }
    void set(int x, int y, bool value) { on[index(x, y)] = value ? 1 : 0; }
};

}  // namespace vemrik
