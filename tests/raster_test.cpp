#include "raster/raster.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <random>
#include <string>
#include <utility>

using namespace vemrik;

namespace {

/// The image as rows of characters ('.' white, '#' black, 'g' grey, 'r' red), rows joined by '|'.
std::string picture(const Raster& r) {
    std::string out;
    for (int y = 0; y < r.height(); ++y) {
        if (y > 0) out += '|';
        for (int x = 0; x < r.width(); ++x) {
            const Colour c = r.pixel(x, y);
            out += c == kWhite ? '.' : c == kBlack ? '#' : c == kGrey ? 'g' : 'r';
        }
    }
    return out;
}

/// One drawing operation: 'w' pen width a, 'g' grey brush, 'm' move to and 'l' line to (a, b),
/// 'r' rectangle (a, b, c, d), 'p' a grey pixel at (a, b).
struct Op {
    char what;
    int a = 0, b = 0, c = 0, d = 0;
};

/// A white image with pen and brush black, after the operations.
Raster drawn(int w, int h, std::initializer_list<Op> ops) {
    Raster r(w, h);
    r.setPenColour(kBlack);
    r.setBrushColour(kBlack);
    for (const Op& o : ops) {
        if (o.what == 'w') r.setPenWidth(o.a);
        if (o.what == 'g') r.setBrushColour(kGrey);
        if (o.what == 'm') r.moveTo(o.a, o.b);
        if (o.what == 'l') r.lineTo(o.a, o.b);
        if (o.what == 'r') r.rectangle(o.a, o.b, o.c, o.d);
        if (o.what == 'p') r.setPixel(o.a, o.b, kGrey);
    }
    return r;
}

__extension__ typedef __int128 Wide;

/// The coverage rule of a wide line, doubled so that the centre of pixel (px, py) is
/// (2px + 1, 2py + 1) and the reach is w: that centre lies within w / 2 of the segment.
bool coveredByRule(Wide px, Wide py, int x0, int y0, int x1, int y1, Wide w) {
    const Wide cx = 2 * px + 1 - 2 * Wide{x0}, cy = 2 * py + 1 - 2 * Wide{y0};  // centre less A
    const Wide dx = 2 * (Wide{x1} - x0), dy = 2 * (Wide{y1} - y0);
    const Wide len2 = dx * dx + dy * dy, t = cx * dx + cy * dy, cross = dx * cy - dy * cx;
    if (t <= 0) return cx * cx + cy * cy <= w * w;                                 // nearest to A
    if (t >= len2) return (cx - dx) * (cx - dx) + (cy - dy) * (cy - dy) <= w * w;  // nearest to B
    return cross * cross <= w * w * len2;
}

}  // namespace

TEST(Raster, DrawingsCoverExactlyTheseGrids) {
    const std::pair<Raster, const char*> cases[] = {
        // A rectangle fills x1 .. x2-1 by y1 .. y2-1, whichever corner comes first.
        {drawn(6, 4, {{'r', 4, 3, 1, 1}}), "......|.###..|.###..|......"},
        // Its border takes the pen colour.
        {drawn(5, 5, {{'g'}, {'r', 0, 0, 5, 5}}), "#####|#ggg#|#ggg#|#ggg#|#####"},
        // Clipped at every edge, also with a border.
        {drawn(4, 3, {{'r', -5, -5, 2, 1}, {'g'}, {'r', 2, 1, 100, 100}}), "##..|..##|..#g"},
        // A border's bottom row just below the last one: the row past the end is not written.
        {drawn(4, 3, {{'g'}, {'r', 1, 1, 3, 4}}), "....|.##.|.##."},
        // Thin pens (width 0 and 1) stop before the end point, either way.
        {drawn(6, 3, {{'w', 0}, {'m', 0, 1}, {'l', 5, 1}}), "......|#####.|......"},
        {drawn(6, 3, {{'m', 5, 2}, {'l', 0, 2}}), "......|......|.#####"},
        // The minor coordinate rounds halves away from the start: offsets 0, 0.5, 1, 1.5.
        {drawn(5, 3, {{'m', 0, 0}, {'l', 4, 2}}), "#....|.##..|...#."},
        {drawn(5, 3, {{'m', 4, 2}, {'l', 0, 0}}), ".#...|..##.|....#"},
        // Thin lines from far outside draw only their visible part, in either direction.
        {drawn(4, 2,
               {{'m', -2000000000, 1}, {'l', 2000000000, 1}, {'m', 1, 2000000000}, {'l', 1, -2000000000}}),
         ".#..|####"},
        // End points a billion pixels off are pulled in without moving the visible part.
        {drawn(3, 6, {{'w', 4}, {'m', -1000000000, 3}, {'l', 1000000000, 3}}), "...|###|###|###|###|..."},
        // An absurdly wide pen covers everything without overflowing.
        {drawn(2, 2, {{'w', INT_MAX}, {'m', -5000, 10}, {'l', 9000, 30}}), "##|##"},
        // Writes outside are ignored, also just past the last column, which is the next row's start.
        {drawn(3, 2, {{'p', -1, 0}, {'p', 3, 0}, {'p', 0, -1}, {'p', 0, 2}}), "...|..."}};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(picture(cases[i].first), cases[i].second) << "case " << i;
    // Such a line costs only its visible part: a step at a time from far off would take minutes.
    Raster far = drawn(4, 2, {});
    for (int i = 0; i < 50; ++i) far.moveTo(INT_MIN, 1), far.lineTo(INT_MAX, 1);
    EXPECT_EQ(picture(far), "....|####");
}

// A display that knows a version must never see it again.
TEST(Raster, AssignmentMovesTheVersionPastBothImagesAndReadsOutsideGiveTheOutsideColour) {
    Raster a(2, 2), b = drawn(3, 2, {{'p', 0, 0}, {'p', 0, 0}, {'p', 0, 0}});
    const auto va = a.version(), vb = b.version();
    a = b;
    EXPECT_GT(a.version(), std::max(va, vb));
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {-100000, 100000}})
        EXPECT_EQ(a.pixel(x, y), kOutside) << x << ", " << y;
    EXPECT_EQ(picture(a), "g..|...");
}

// Wide lines are filled a row span at a time; every pixel of many segments of every kind, in the
// image and beside it, is held to the coverage rule itself.
TEST(WideLine, EverySegmentKindFollowsTheRule) {
    std::mt19937 rng(1);
    const auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int i = 0; i < 12000 && !HasFailure(); ++i) {
        const int w = in(0, 3) == 0 ? in(2, 80) : in(2, 12);  // now and then past the tabled disc rows
        const int x = in(-15, 79), y = in(-15, 63), along = in(-80, 80), across = in(-1, 1);
        const int k = in(0, 1) == 0 ? 100 : 16000, dx = in(-1000, 1000), dy = in(-1000, 1000);
        const int kind = i % 6, point = in(0, 2);
        const std::array<int, 4> ends[] = {
            {x, y, x + in(-12, 12), y + in(-12, 12)},                            // a brush drag
            {in(-200, 260), in(-200, 250), in(-200, 260), in(-200, 250)},        // anywhere
            {x, y, x + along, y + across},                                       // nearly level
            {x, y, x + across, y + along},                                       // steep
            {x, y, x + (point == 0 ? along : 0), y + (point == 1 ? along : 0)},  // level, upright or a point
            {x - k * dx, y - k * dy, x + k * dx + in(-3, 3), y + k * dy},        // far: the wide arithmetic
        };
        const auto [x0, y0, x1, y1] = ends[kind];
        Raster r(64, 48);
        r.setPenColour(kBlack);
        r.setPenWidth(w);
        r.moveTo(x0, y0);
        r.lineTo(x1, y1);
        int bad = -1;  // the first pixel where drawing and rule disagree
        for (int p = 0; p < 64 * 48 && bad < 0; ++p)
            if ((r.pixel(p % 64, p / 64) == kBlack) != coveredByRule(p % 64, p / 64, x0, y0, x1, y1, w))
                bad = p;
        if (bad >= 0)
            ADD_FAILURE() << "(" << x0 << ", " << y0 << ") - (" << x1 << ", " << y1 << ") width " << w
                          << ": pixel (" << bad % 64 << ", " << bad / 64 << ")";
    }
}
