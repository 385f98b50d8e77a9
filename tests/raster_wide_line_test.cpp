// Wide lines are filled a row span at a time; these cases hold every pixel to the coverage rule
// itself, tested pixel by pixel, on many segments of every kind.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>

#include "raster/raster.h"

using namespace vemrik;

namespace {

__extension__ typedef __int128 Wide;

constexpr int kWidth = 64, kHeight = 48;

/// The rule of docs/raster.md, pixel by pixel: the centre (px + 0.5, py + 0.5) lies within w / 2
/// of the segment. Doubled, so that the centre is (2px + 1, 2py + 1) and the reach is w.
bool coveredByRule(Wide px, Wide py, Wide ax, Wide ay, Wide bx, Wide by, Wide w) {
    const Wide cx = 2 * px + 1 - 2 * ax, cy = 2 * py + 1 - 2 * ay;  // centre less A
    const Wide dx = 2 * (bx - ax), dy = 2 * (by - ay);
    const Wide len2 = dx * dx + dy * dy;
    const Wide t = cx * dx + cy * dy;
    if (t <= 0) return cx * cx + cy * cy <= w * w;  // nearest to A (or a point)
    if (t >= len2) {
        const Wide ex = cx - dx, ey = cy - dy;  // nearest to B
        return ex * ex + ey * ey <= w * w;
    }
    const Wide cross = dx * cy - dy * cx;  // nearest inside: distance |cross| / |AB|
    return cross * cross <= w * w * len2;
}

struct Segment {
    int x0, y0, x1, y1, w;
};

std::string describe(const Segment& s) {
    std::ostringstream out;
    out << "(" << s.x0 << ", " << s.y0 << ") - (" << s.x1 << ", " << s.y1 << ") width " << s.w;
    return out.str();
}

/// The first pixel where the drawn line and the rule disagree, as text; empty when none does.
std::string firstDifference(const Segment& s) {
    Raster r(kWidth, kHeight);
    r.fill(kWhite);
    r.setPenColour(kBlack);
    r.setPenWidth(s.w);
    r.moveTo(s.x0, s.y0);
    r.lineTo(s.x1, s.y1);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const bool expected = coveredByRule(x, y, s.x0, s.y0, s.x1, s.y1, s.w);
            if ((r.pixel(x, y) == kBlack) != expected)
                return describe(s) + ": pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                       ") should be " + (expected ? "covered" : "left");
        }
    return {};
}

class Segments {
public:
    explicit Segments(unsigned seed) : rng_(seed) {}
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    int width() { return between(0, 3) == 0 ? between(2, 40) : between(2, 12); }
    /// A point of the image or just beside it.
    std::pair<int, int> near() { return {between(-15, kWidth + 15), between(-15, kHeight + 15)}; }

private:
    std::mt19937 rng_;
};

/// Checks n segments from the generator and reports the first few that break the rule.
template <class Make>
void expectAllFollowTheRule(int n, unsigned seed, Make make) {
    Segments g(seed);
    int failures = 0;
    for (int i = 0; i < n && failures < 5; ++i) {
        const std::string diff = firstDifference(make(g));
        if (!diff.empty()) {
            ADD_FAILURE() << diff;
            ++failures;
        }
    }
}

}  // namespace

TEST(WideLine, ShortSegmentsAsABrushDragMakesThem) {
    expectAllFollowTheRule(4000, 1, [](Segments& g) {
        const auto [x, y] = g.near();
        return Segment{x, y, x + g.between(-12, 12), y + g.between(-12, 12), g.width()};
    });
}

TEST(WideLine, LongSegmentsAcrossAndBesideTheImage) {
    expectAllFollowTheRule(1500, 2, [](Segments& g) {
        return Segment{g.between(-200, 260), g.between(-200, 250), g.between(-200, 260), g.between(-200, 250),
                       g.width()};
    });
}

TEST(WideLine, SteepAndNearlyLevelSegments) {
    expectAllFollowTheRule(2000, 3, [](Segments& g) {
        const auto [x, y] = g.near();
        const int along = g.between(-80, 80), across = g.between(-1, 1);
        return g.between(0, 1) == 0 ? Segment{x, y, x + across, y + along, g.width()}
                                    : Segment{x, y, x + along, y + across, g.width()};
    });
}

TEST(WideLine, LevelUprightAndSinglePointSegments) {
    expectAllFollowTheRule(1500, 4, [](Segments& g) {
        const auto [x, y] = g.near();
        const int kind = g.between(0, 2), length = g.between(-40, 40);
        if (kind == 0) return Segment{x, y, x + length, y, g.width()};
        if (kind == 1) return Segment{x, y, x, y + length, g.width()};
        return Segment{x, y, x, y, g.width()};
    });
}

// Far end points take the exact arithmetic's wide path; the lines still pass through the image.
TEST(WideLine, SegmentsFromFarOutsideThroughTheImage) {
    expectAllFollowTheRule(1500, 5, [](Segments& g) {
        const auto [x, y] = g.near();
        const int reach = g.between(0, 1) == 0 ? 100000 : 16000000;
        const int dx = g.between(-1000, 1000), dy = g.between(-1000, 1000);
        const int k = reach / 1000;
        return Segment{x - k * dx, y - k * dy, x + k * dx + g.between(-3, 3), y + k * dy, g.width()};
    });
}

TEST(WideLine, AnAbsurdlyWidePenCoversTheWholeImageWithoutOverflow) {
    Raster r(kWidth, kHeight);
    r.fill(kWhite);
    r.setPenColour(kBlack);
    r.setPenWidth(INT_MAX);
    r.moveTo(-5000, 10);
    r.lineTo(9000, 30);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) ASSERT_EQ(r.pixel(x, y), kBlack) << x << ", " << y;
}
