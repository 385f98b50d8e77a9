#include "raster/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vemrik {

namespace {

__extension__ typedef __int128 Wide;

// Beyond this the exact integer coverage test could overflow; such points lie millions of
// pixels away from any image, so they are pulled in along the segment first (see wideLine).
constexpr std::int64_t kExactLimit = std::int64_t{1} << 24;

/// Nearest integer to num / den (den > 0), halves away from zero.
std::int64_t roundAway(std::int64_t num, std::int64_t den) {
    const std::int64_t q = (2 * std::llabs(num) + den) / (2 * den);
    return num < 0 ? -q : q;
}

/// Whether the centre of pixel (px, py) lies within w / 2 of the segment (ax, ay)-(bx, by).
/// Everything is doubled so that pixel centres are integers.
bool covered(std::int64_t px, std::int64_t py, std::int64_t ax, std::int64_t ay, std::int64_t bx,
             std::int64_t by, int w) {
    const Wide cx = 2 * px + 1, cy = 2 * py + 1;
    const Wide x0 = 2 * ax, y0 = 2 * ay, dx = 2 * (bx - ax), dy = 2 * (by - ay);
    const Wide len2 = dx * dx + dy * dy;
    const Wide t = (cx - x0) * dx + (cy - y0) * dy;
    const Wide w2 = Wide{w} * w;
    if (len2 == 0 || t <= 0) return (cx - x0) * (cx - x0) + (cy - y0) * (cy - y0) <= w2;
    if (t >= len2) {
        const Wide ex = cx - (x0 + dx), ey = cy - (y0 + dy);
        return ex * ex + ey * ey <= w2;
    }
    const Wide cross = dx * (cy - y0) - dy * (cx - x0);
    return cross * cross <= w2 * len2;
}

}  // namespace

Raster::Raster(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), kWhite) {}

void Raster::fill(Colour c) {
    std::fill(pixels_.begin(), pixels_.end(), c);
    ++version_;
}

void Raster::span(int y, int x1, int x2, Colour c) {
    if (y < 0 || y >= height_) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width_ - 1);
    if (x1 > x2) return;
    std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    std::fill(row + x1, row + x2 + 1, c);
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
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = c;
    ++version_;
}

Colour Raster::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kOutside;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
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
        if (x < 0 || y < 0 || x >= width_ || y >= height_) continue;
        pixels_[static_cast<std::size_t>(y * width_ + x)] = pen_;
    }
}

void Raster::wideLine(int x0, int y0, int x1, int y1, int w) {
    std::int64_t ax = x0, ay = y0, bx = x1, by = y1;
    if (std::max({std::llabs(ax), std::llabs(ay), std::llabs(bx), std::llabs(by)}) > kExactLimit) {
        // Pull far end points in along the segment to the edge of a box around the image; the
        // part of the segment that can reach the image stays where it was, to a pixel.
        const double fx0 = ax, fy0 = ay, fdx = double(bx - ax), fdy = double(by - ay);
        const double lo = -w - 2.0, hix = width_ + w + 2.0, hiy = height_ + w + 2.0;
        double t0 = 0.0, t1 = 1.0;
        auto clip = [&](double p, double q) {  // Liang-Barsky
            if (p == 0.0) return q >= 0.0;
            const double r = q / p;
            if (p < 0.0) t0 = std::max(t0, r); else t1 = std::min(t1, r);
            return t0 <= t1;
        };
        if (!(clip(-fdx, fx0 - lo) && clip(fdx, hix - fx0) && clip(-fdy, fy0 - lo) && clip(fdy, hiy - fy0)))
            return;
        ax = std::llround(fx0 + t0 * fdx);
        ay = std::llround(fy0 + t0 * fdy);
        bx = std::llround(fx0 + t1 * fdx);
        by = std::llround(fy0 + t1 * fdy);
    }
    const std::int64_t reach = w / 2 + 1;
    const std::int64_t top = std::max<std::int64_t>(std::min(ay, by) - reach, 0);
    const std::int64_t bottom = std::min<std::int64_t>(std::max(ay, by) + reach, height_ - 1);
    const auto hit = [&](std::int64_t px, std::int64_t py) { return covered(px, py, ax, ay, bx, by, w); };
    for (std::int64_t py = top; py <= bottom; ++py) {
        // The row's nearest point to the segment; the covered pixels of the row form one run
        // around it, so a seed next to it and a walk outwards find them all.
        const double yc = double(py) + 0.5;
        double xs;
        if (ay == by) {
            xs = 0.5 * double(ax + bx);
        } else {
            const double t = (yc - double(ay)) / double(by - ay);
            xs = t <= 0.0 ? double(ax) : t >= 1.0 ? double(bx) : double(ax) + t * double(bx - ax);
        }
        const std::int64_t guess = static_cast<std::int64_t>(std::floor(xs - 0.5));
        std::int64_t seed = 0;
        bool found = false;
        for (std::int64_t c = guess - 1; c <= guess + 2 && !found; ++c) {
            const std::int64_t inside = std::clamp<std::int64_t>(c, 0, width_ - 1);
            if (hit(inside, py)) {
                seed = inside;
                found = true;
            }
        }
        if (!found) continue;
        std::int64_t left = seed, right = seed;
        while (left > 0 && hit(left - 1, py)) --left;
        while (right < width_ - 1 && hit(right + 1, py)) ++right;
        span(static_cast<int>(py), static_cast<int>(left), static_cast<int>(right), pen_);
    }
}

}  // namespace vemrik
