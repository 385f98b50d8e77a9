// Wide lines are filled a row span at a time; these cases hold every pixel to the coverage rule
// itself, tested pixel by pixel, on many segments of every kind.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "raster/raster.h"

using namespace vemrik;

namespace {

__extension__ typedef __int128 Wide;

constexpr int kWidth = 64, kHeight = 48;

struct Segment {
    int x0, y0, x1, y1, w;
};

/// The rule of docs/raster.md: the centre (px + 0.5, py + 0.5) lies within w / 2 of the segment.
/// Doubled, so that the centre is (2px + 1, 2py + 1) and the reach is w.
bool coveredByRule(Wide px, Wide py, const Segment& s) {
    const Wide cx = 2 * px + 1 - 2 * Wide{s.x0}, cy = 2 * py + 1 - 2 * Wide{s.y0};  // centre less A
    const Wide dx = 2 * (Wide{s.x1} - s.x0), dy = 2 * (Wide{s.y1} - s.y0), w = s.w;
    const Wide len2 = dx * dx + dy * dy, t = cx * dx + cy * dy;
    if (t <= 0) return cx * cx + cy * cy <= w * w;                                 // nearest to A
    if (t >= len2) return (cx - dx) * (cx - dx) + (cy - dy) * (cy - dy) <= w * w;  // nearest to B
    const Wide cross = dx * cy - dy * cx;
    return cross * cross <= w * w * len2;
}

/// The first pixel where the drawn line and the rule disagree, as text; empty when none does.
std::string firstDifference(const Segment& s) {
    Raster r(kWidth, kHeight);
    r.setPenColour(kBlack);
    r.setPenWidth(s.w);
    r.moveTo(s.x0, s.y0);
    r.lineTo(s.x1, s.y1);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if ((r.pixel(x, y) == kBlack) != coveredByRule(x, y, s))
                return "(" + std::to_string(s.x0) + ", " + std::to_string(s.y0) + ") - (" +
                       std::to_string(s.x1) + ", " + std::to_string(s.y1) + ") width " + std::to_string(s.w) +
                       ": pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return {};
}

}  // namespace

TEST(WideLine, EverySegmentKindFollowsTheRule) {
    std::mt19937 rng(1);
    const auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    // Mostly brush-like widths; now and then one past the widths whose disc rows are tabled.
    const auto width = [&] { return in(0, 3) == 0 ? in(2, 80) : in(2, 12); };
    int failures = 0;
    for (int i = 0; i < 12000 && failures < 5; ++i) {
        const int x = in(-15, kWidth + 15), y = in(-15, kHeight + 15);  // in the image or beside it
        const int along = in(-80, 80), across = in(-1, 1);
        Segment s{};
        switch (i % 6) {
            case 0:
                s = {x, y, x + in(-12, 12), y + in(-12, 12), width()};
                break;  // a brush drag
            case 1:
                s = {in(-200, 260), in(-200, 250), in(-200, 260), in(-200, 250), width()};
                break;
            case 2:
                s = {x, y, x + along, y + across, width()};
                break;  // nearly level
            case 3:
                s = {x, y, x + across, y + along, width()};
                break;  // steep
            case 4: {   // level, upright or a single point
                const int kind = in(0, 2);
                s = {x, y, x + (kind == 0 ? along : 0), y + (kind == 1 ? along : 0), width()};
                break;
            }
            default: {  // far end points take the exact arithmetic's wide path
                const int k = in(0, 1) == 0 ? 100 : 16000, dx = in(-1000, 1000), dy = in(-1000, 1000);
                s = {x - k * dx, y - k * dy, x + k * dx + in(-3, 3), y + k * dy, width()};
            }
        }
        const std::string diff = firstDifference(s);
        if (!diff.empty()) {
            ADD_FAILURE() << diff;
            ++failures;
        }
    }
}
