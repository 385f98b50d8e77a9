#include "raster/wide_line.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "raster/fill_pixels.h"

namespace vemrik {

namespace {

__extension__ typedef __int128 Wide;

// Beyond this the exact test could overflow even in 128 bits; such points lie millions of pixels
// away from any image, so they are pulled in along the segment first.
constexpr std::int64_t kExactLimit = std::int64_t{1} << 24;
// Up to these every product of the exact test stays below 2^58, so 64 bits do.
constexpr std::int64_t kNarrowLimit = std::int64_t{1} << 14;
constexpr int kNarrowWidth = 1 << 12;

template <class Int>
Int absolute(Int v) {
    return v < 0 ? -v : v;
}

/// floor(n / d) for one d > 0 and many n.
template <class Int>
class FloorDivider {
public:
    explicit FloorDivider(Int d) : d_(d), inverse_(1.0 / static_cast<double>(d)) {}
    Int operator()(Int n) const {
        if constexpr (sizeof(Int) == 8) {
            // Narrow values are exact in double, where a product is far quicker than an integer
            // division; the quotient is then a step or two away at most.
            Int q = static_cast<Int>(static_cast<double>(n) * inverse_);
            while (q * d_ > n) --q;
            while ((q + 1) * d_ <= n) ++q;
            return q;
        } else {
            const Int q = n / d_;
            return n % d_ < 0 ? q - 1 : q;
        }
    }

private:
    Int d_;
    double inverse_;
};

/// The largest s with s * s <= v, for v >= 0.
template <class Int>
Int isqrt(Int v) {
    Int s;
    if constexpr (sizeof(Int) == 8)
        s = static_cast<Int>(std::sqrt(static_cast<double>(v)));
    else
        s = static_cast<Int>(std::sqrt(static_cast<long double>(v)));
    while (s > 0 && s * s > v) --s;
    while ((s + 1) * (s + 1) <= v) ++s;
    return s;
}

// Pens up to this width read their discs' row widths from a table made at compile time.
constexpr int kTabledWidth = 64;

constexpr int countOdd(int w) { return (w + 1) / 2; }  // odd v in 1 .. w

/// For every tabled w, isqrt(w * w - v * v) at the odd v from 1 to w: the half-width of the
/// doubled pen's disc on the row of a pixel centre v away from its middle.
struct DiscTable {
    std::array<int, kTabledWidth + 1> first{};
    std::array<std::int16_t, 1100> half{};
};

constexpr DiscTable makeDiscTable() {
    DiscTable t;
    int n = 0;
    for (int w = 0; w <= kTabledWidth; ++w) {
        t.first[static_cast<std::size_t>(w)] = n;
        for (int v = 1; v <= w; v += 2) {
            int s = 0;
            while ((s + 1) * (s + 1) <= w * w - v * v) ++s;
            t.half[static_cast<std::size_t>(n++)] = static_cast<std::int16_t>(s);
        }
    }
    return t;
}

constexpr DiscTable kDiscTable = makeDiscTable();
static_assert(kDiscTable.first[kTabledWidth] + countOdd(kTabledWidth) <= 1100);

/// The half-width of the disc of radius w on the row v (odd) away from its centre.
template <class Int>
class DiscRows {
public:
    explicit DiscRows(Int w)
        : w_(w),
          w2_(w * w),
          table_(
              w <= kTabledWidth
                  ? &kDiscTable.half[static_cast<std::size_t>(kDiscTable.first[static_cast<std::size_t>(w)])]
                  : nullptr) {}
    /// False when the row misses the disc.
    bool half(Int v, Int& s) const {
        const Int a = absolute(v);
        if (a > w_) return false;
        s = table_ ? Int{table_[static_cast<std::size_t>((a - 1) >> 1)]} : isqrt(w2_ - a * a);
        return true;
    }

private:
    Int w_, w2_;
    const std::int16_t* table_;
};

/// base + floor((n + i * step) / den) for i = 0, 1, 2 ..., for two starting values n that share
/// step and den (den > 0): exact, one addition each per step.
template <class Int>
class SteppedFloors {
public:
    SteppedFloors(Int n1, Int n2, Int step, Int den, Int base) : den_(den) {
        const FloorDivider<Int> floorOf(den);
        q1_ = floorOf(n1);
        r1_ = n1 - q1_ * den;
        q2_ = floorOf(n2);
        r2_ = n2 - q2_ * den;
        dq_ = floorOf(step);
        dr_ = step - dq_ * den;
        q1_ += base;
        q2_ += base;
    }
    Int first() const { return q1_; }
    Int second() const { return q2_; }
    void next() {
        advance(q1_, r1_);
        advance(q2_, r2_);
    }

private:
    void advance(Int& q, Int& r) const {
        q += dq_;
        r += dr_;
        const bool carry = r >= den_;
        r -= carry ? den_ : 0;
        q += carry;
    }

    Int den_, q1_, r1_, q2_, r2_, dq_, dr_;
};

/// Widens lo .. hi (empty when lo > hi) to hold l .. h as well.
template <class Int>
void widen(Int& lo, Int& hi, Int l, Int h) {
    const bool empty = lo > hi;
    lo = empty ? l : std::min(lo, l);
    hi = empty ? h : std::max(hi, h);
}

/// Fills the pixels of row py whose centres 2 px + 1 lie in lo .. hi (doubled), clipped.
template <class Int>
[[gnu::always_inline]] inline void fillCentres(PixelRows image, int py, Int lo, Int hi, Colour c) {
    const Int left = std::max<Int>(lo >> 1, std::max(image.left, 0));
    const Int right = std::min<Int>((hi - 1) >> 1, std::min(image.width, image.right) - 1);
    if (left > right) return;
    std::uint32_t* row = image.pixels + static_cast<std::size_t>(py) * static_cast<std::size_t>(image.width);
    fillPixels(row + static_cast<std::ptrdiff_t>(left), static_cast<std::size_t>(right - left + 1), c);
}

// Everything is doubled, so pixel centres are the odd integers and the pen reaches w from the
// doubled segment A-B. A centre is covered when it lies in the disc around A, the disc around B,
// or the body: |cross| <= w * |AB| with 0 < t < |AB|^2 (the exact test of docs/raster.md). Each of
// the three meets a row in an interval of integers that is found exactly (discs by an integer
// square root, the body by quotients that step by one addition per row); the covered centres of
// a row form one run, so the least interval around the three pieces is that run.
template <class Int>
void paintRows(PixelRows image, Int ax, Int ay, Int bx, Int by, Int w, int top, int bottom, Colour c) {
    const Int x0 = 2 * ax, y0 = 2 * ay, x1 = 2 * bx;
    const Int dx = 2 * (bx - ax), dy = 2 * (by - ay);
    const Int len2 = dx * dx + dy * dy;
    const DiscRows<Int> disc(w);
    const Int vy0 = 2 * Int{top} + 1 - y0;  // first row's centre less A's; 2 more each row
    Int s = 0;

    if (dy == 0) {  // a point or a level segment: the discs and the band between them
        const Int l = std::min(x0, x1), r = std::max(x0, x1);
        for (int py = top; py <= bottom; ++py)
            if (disc.half(vy0 + 2 * Int{py - top}, s)) fillCentres(image, py, l - s, r + s, c);
        return;
    }
    if (dx == 0) {  // upright: the band of width 2w beside the segment, a disc beyond each end
        for (int py = top; py <= bottom; ++py) {
            const Int vy = vy0 + 2 * Int{py - top}, t = dy * vy;
            if (t > 0 && t < len2) {
                fillCentres(image, py, x0 - w, x0 + w, c);
                continue;
            }
            // Both discs sit on the same column: the wider one holds the other.
            Int lo = 1, hi = 0;
            if (disc.half(vy, s)) widen(lo, hi, x0 - s, x0 + s);
            if (disc.half(vy - dy, s)) widen(lo, hi, x0 - s, x0 + s);
            if (lo <= hi) fillCentres(image, py, lo, hi, c);
        }
        return;
    }

    const Int k = isqrt(w * w * len2);  // |cross| <= w * |AB|, in integers
    // Across the strip: |dy| * u in [sx * vy - k, sx * vy + k], u = cx - x0, sx = dx * sign(dy);
    // so cx from x0 + ceil((sx * vy - k) / |dy|) to x0 + floor((sx * vy + k) / |dy|).
    const Int sx = dy < 0 ? -dx : dx, sdy = absolute(dy);
    SteppedFloors<Int> strip(sx * vy0 - k + sdy - 1, sx * vy0 + k, 2 * sx, sdy, x0);
    // Along the segment: |dx| * u in (low, low + len2), sy = dy * sign(dx); so cx from
    // x0 + floor(low / |dx|) + 1 to x0 + ceil((low + len2) / |dx|) - 1.
    const Int sy = dx < 0 ? -dy : dy, sdx = absolute(dx);
    const Int low = -sy * vy0 - (dx < 0 ? len2 : 0);
    SteppedFloors<Int> along(low + sdx, low + len2 - 1, -2 * sy, sdx, x0);
    for (int py = top; py <= bottom; ++py, strip.next(), along.next()) {
        const Int vy = vy0 + 2 * Int{py - top};
        Int lo = std::max(strip.first(), along.first());
        Int hi = std::min(strip.second(), along.second());
        if (disc.half(vy, s)) widen(lo, hi, x0 - s, x0 + s);
        if (disc.half(vy - dy, s)) widen(lo, hi, x1 - s, x1 + s);
        if (lo <= hi) fillCentres(image, py, lo, hi, c);
    }
}

}  // namespace

void paintWideLine(PixelRows image, int x0, int y0, int x1, int y1, int w, Colour c) {
    w = std::min(w, kMaxPenWidth);
    std::int64_t ax = x0, ay = y0, bx = x1, by = y1;
    if (std::max({std::llabs(ax), std::llabs(ay), std::llabs(bx), std::llabs(by)}) > kExactLimit) {
        // Pull far end points in along the segment to the edge of a box around the image; the
        // part of the segment that can reach the image stays where it was, to a pixel.
        const double fx0 = static_cast<double>(ax), fy0 = static_cast<double>(ay);
        const double fdx = static_cast<double>(bx - ax), fdy = static_cast<double>(by - ay);
        const double lo = -w - 2.0, hix = image.width + w + 2.0, hiy = image.height + w + 2.0;
        double t0 = 0.0, t1 = 1.0;
        auto clip = [&](double p, double q) {  // Liang-Barsky
            if (p == 0.0) return q >= 0.0;
            const double r = q / p;
            if (p < 0.0)
                t0 = std::max(t0, r);
            else
                t1 = std::min(t1, r);
            return t0 <= t1;
        };
        if (!(clip(-fdx, fx0 - lo) && clip(fdx, hix - fx0) && clip(-fdy, fy0 - lo) && clip(fdy, hiy - fy0)))
            return;
        ax = std::llround(fx0 + t0 * fdx);
        ay = std::llround(fy0 + t0 * fdy);
        bx = std::llround(fx0 + t1 * fdx);
        by = std::llround(fy0 + t1 * fdy);
    }
    // Rows whose centres lie within w / 2 of the segment's rows: 2 py + 1 from 2 y - w to 2 y + w.
    const std::int64_t top = std::max<std::int64_t>((2 * std::min(ay, by) - w) >> 1, std::max(image.top, 0));
    const std::int64_t bottom =
        std::min<std::int64_t>((2 * std::max(ay, by) + w - 1) >> 1, std::min(image.height, image.bottom) - 1);
    if (top > bottom) return;
    const bool narrow =
        std::max({std::llabs(ax), std::llabs(ay), std::llabs(bx), std::llabs(by)}) <= kNarrowLimit &&
        w <= kNarrowWidth;
    if (narrow)
        paintRows<std::int64_t>(image, ax, ay, bx, by, w, static_cast<int>(top), static_cast<int>(bottom), c);
    else
        paintRows<Wide>(image, ax, ay, bx, by, w, static_cast<int>(top), static_cast<int>(bottom), c);
}

}  // namespace vemrik
