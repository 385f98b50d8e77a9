#include "raster/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "raster/fill_pixels.h"
#include "raster/wide_line.h"

namespace vemrik {

namespace {

/// Nearest integer to num / den (den > 0), halves away from zero.
std::int64_t roundAway(std::int64_t num, std::int64_t den) {
    const std::int64_t q = (2 * std::llabs(num) + den) / (2 * den);
    return num < 0 ? -q : q;
}

}  // namespace

Area enclosing(Area a, Area b) {
    if (a.x1 >= a.x2 || a.y1 >= a.y2) return b;
    if (b.x1 >= b.x2 || b.y1 >= b.y2) return a;
    return {std::min(a.x1, b.x1), std::min(a.y1, b.y1), std::max(a.x2, b.x2), std::max(a.y2, b.y2)};
}

Raster::Raster(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), kWhite) {}

Raster::Raster(const Raster& other)
    : width_(other.width_),
      height_(other.height_),
      clip_(other.clip_),
      pixels_(other.pixels_),
      brush_(other.brush_),
      pen_(other.pen_),
      penWidth_(other.penWidth_),
      penX_(other.penX_),
      penY_(other.penY_),
      version_(other.version_) {}

Raster& Raster::operator=(const Raster& other) {
    const std::uint64_t next = std::max(version_, other.version_) + 1;
    if (this != &other) {
        width_ = other.width_;
        height_ = other.height_;
        pixels_ = other.pixels_;
        takePen(other);
    }
    version_ = next;
    return *this;
}

Raster::Raster(Raster&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      pixels_(std::move(other.pixels_)),
      brush_(other.brush_),
      pen_(other.pen_),
      penWidth_(other.penWidth_),
      penX_(other.penX_),
      penY_(other.penY_),
      version_(other.version_),
      identity_(std::exchange(other.identity_, newStamp())) {
    other.pixels_.clear();
}

Raster& Raster::operator=(Raster&& other) noexcept {
    if (this == &other) {
        ++version_;
        return *this;
    }
    const std::uint64_t next = std::max(version_, other.version_) + 1;
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    pixels_ = std::move(other.pixels_);
    other.pixels_.clear();
    other.identity_ = newStamp();
    takePen(other);
    version_ = next;
    return *this;
}

void Raster::takePen(const Raster& other) {
    brush_ = other.brush_;
    pen_ = other.pen_;
    penWidth_ = other.penWidth_;
    penX_ = other.penX_;
    penY_ = other.penY_;
}

void Raster::copyFrom(const Raster& other, Area area) {
    if (other.width_ != width_ || other.height_ != height_) {
        *this = other;
        return;
    }
    brush_ = other.brush_;
    pen_ = other.pen_;
    penWidth_ = other.penWidth_;
    penX_ = other.penX_;
    penY_ = other.penY_;
    ++version_;
    const int x1 = std::max(area.x1, 0), x2 = std::min(area.x2, width_);
    const int y1 = std::max(area.y1, 0), y2 = std::min(area.y2, height_);
    if (x1 >= x2 || y1 >= y2) return;
    const auto at = [this](int x, int y) {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    };
    if (x1 == 0 && x2 == width_) {  // whole rows lie one after another
        std::copy(other.pixels_.begin() + static_cast<std::ptrdiff_t>(at(0, y1)),
                  other.pixels_.begin() + static_cast<std::ptrdiff_t>(at(0, y2)),
                  pixels_.begin() + static_cast<std::ptrdiff_t>(at(0, y1)));
        return;
    }
    for (int y = y1; y < y2; ++y)
        std::copy(other.pixels_.begin() + static_cast<std::ptrdiff_t>(at(x1, y)),
                  other.pixels_.begin() + static_cast<std::ptrdiff_t>(at(x2, y)),
                  pixels_.begin() + static_cast<std::ptrdiff_t>(at(x1, y)));
}

void Raster::copyFrom(const Raster& other) { copyFrom(other, {0, 0, other.width_, other.height_}); }

void Raster::fill(Colour c) {
    fillPixels(pixels_.data(), pixels_.size(), c);
    ++version_;
}

void Raster::span(int y, int x1, int x2, Colour c) {
    if (y < 0 || y >= height_ || y < clip_.y1 || y >= clip_.y2) return;
    x1 = std::max({x1, 0, clip_.x1});
    x2 = std::min({x2, width_ - 1, clip_.x2 - 1});
    if (x1 > x2) return;
    std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    fillPixels(row + x1, static_cast<std::size_t>(x2 - x1 + 1), c);
}

void Raster::rectangle(int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    ++version_;
    if (x1 == x2 || y1 == y2) return;
    const int top = std::max(y1, 0), bottom = std::min(y2 - 1, height_ - 1);
    for (int y = top; y <= bottom; ++y) span(y, x1, x2 - 1, brush_);
    if (pen_ == brush_) return;
    span(y1, x1, x2 - 1, pen_);
    span(y2 - 1, x1, x2 - 1, pen_);
    for (int y = top; y <= bottom; ++y) {
        setPixel(x1, y, pen_);
        setPixel(x2 - 1, y, pen_);
    }
}

void Raster::moveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void Raster::lineTo(int x, int y) {
    if (penWidth_ <= 1)
        thinLine(penX_, penY_, x, y);
    else
        wideLine(penX_, penY_, x, y, penWidth_);
    penX_ = x;
    penY_ = y;
    ++version_;
}

void Raster::setPixel(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || clipped(x, y)) return;
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = c;
    ++version_;
}

Colour Raster::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kOutside;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

void Raster::thinLine(int x0, int y0, int x1, int y1) {
    const std::int64_t dx = std::int64_t{x1} - x0, dy = std::int64_t{y1} - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t steps = xMajor ? std::llabs(dx) : std::llabs(dy);
    if (steps == 0) return;
    const std::int64_t major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const std::int64_t dir = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const std::int64_t limit = xMajor ? width_ : height_;
    // Only the steps whose major coordinate lies inside the image are visited.
    std::int64_t lo = dir > 0 ? -major0 : major0 - (limit - 1);
    std::int64_t hi = dir > 0 ? limit - 1 - major0 : major0;
    lo = std::max<std::int64_t>(lo, 0);
    hi = std::min(hi, steps - 1);
    for (std::int64_t i = lo; i <= hi; ++i) {
        const std::int64_t major = major0 + dir * i;
        const std::int64_t minor = minor0 + roundAway(i * minorDelta, steps);
        const std::int64_t x = xMajor ? major : minor, y = xMajor ? minor : major;
        if (x < 0 || y < 0 || x >= width_ || y >= height_ ||
            clipped(static_cast<int>(x), static_cast<int>(y)))
            continue;
        pixels_[static_cast<std::size_t>(y * width_ + x)] = pen_;
    }
}

void Raster::wideLine(int x0, int y0, int x1, int y1, int w) {
    paintWideLine({pixels_.data(), width_, height_, clip_.x1, clip_.y1, clip_.x2, clip_.y2}, x0, y0, x1, y1,
                  w, pen_);
}

}  // namespace vemrik
