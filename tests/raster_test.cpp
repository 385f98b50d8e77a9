#include "raster/raster.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

#include "tests/page_checks.h"

using namespace vemrik;
using checks::picture;
using checks::Rows;

namespace {

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

}  // namespace

TEST(Raster, DrawingsCoverExactlyTheseGrids) {
    const struct {
        Raster r;
        Rows want;
    } cases[] = {
        // A rectangle fills x1 .. x2-1 by y1 .. y2-1, whichever corner comes first.
        {drawn(6, 4, {{'r', 1, 1, 4, 3}}), {"......", ".###..", ".###..", "......"}},
        {drawn(6, 4, {{'r', 4, 3, 1, 1}}), {"......", ".###..", ".###..", "......"}},
        // Its border takes the pen colour.
        {drawn(5, 5, {{'g'}, {'r', 0, 0, 5, 5}}), {"#####", "#ggg#", "#ggg#", "#ggg#", "#####"}},
        // Clipped at every edge, also with a border.
        {drawn(4, 3, {{'r', -5, -5, 2, 1}, {'g'}, {'r', 2, 1, 100, 100}}), {"##..", "..##", "..#g"}},
        // Thin pens (width 0 and 1) stop before the end point, either way.
        {drawn(6, 3, {{'w', 0}, {'m', 0, 1}, {'l', 5, 1}}), {"......", "#####.", "......"}},
        {drawn(6, 3, {{'m', 5, 2}, {'l', 0, 2}}), {"......", "......", ".#####"}},
        // The minor coordinate rounds halves away from the start: offsets 0, 0.5, 1, 1.5.
        {drawn(5, 3, {{'m', 0, 0}, {'l', 4, 2}}), {"#....", ".##..", "...#."}},
        {drawn(5, 3, {{'m', 4, 2}, {'l', 0, 0}}), {".#...", "..##.", "....#"}},
        // Thin lines from far outside draw only their visible part, in either direction.
        {drawn(4, 2,
               {{'m', -2000000000, 1}, {'l', 2000000000, 1}, {'m', 1, 2000000000}, {'l', 1, -2000000000}}),
         {".#..", "####"}},
        // Width 2 along y = 2 from x = 1 to 4: rows 1 and 2, round caps reaching one pixel out.
        {drawn(7, 4, {{'w', 2}, {'m', 1, 2}, {'l', 4, 2}}), {".......", "#####..", "#####..", "......."}},
        // A point drawn 4 wide is a round dot: the corners' centres lie 2.12 from it.
        {drawn(4, 4, {{'w', 4}, {'m', 2, 2}, {'l', 2, 2}}), {".##.", "####", "####", ".##."}},
        // End points a billion pixels off are pulled in without moving the visible part.
        {drawn(3, 6, {{'w', 4}, {'m', -1000000000, 3}, {'l', 1000000000, 3}}),
         {"...", "###", "###", "###", "###", "..."}},
        // An absurdly wide pen covers everything without overflowing.
        {drawn(2, 2, {{'w', INT_MAX}, {'m', -5000, 10}, {'l', 9000, 30}}), {"##", "##"}},
        // Writes outside are ignored, also just past the last column, which is the next row's start.
        {drawn(3, 2, {{'p', -1, 0}, {'p', 3, 0}, {'p', 0, -1}, {'p', 0, 2}}), {"...", "..."}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(picture(cases[i].r), cases[i].want) << "case " << i;
}

TEST(Raster, CopiesAreClippedAndTakePenColourAndPosition) {
    Raster from = drawn(5, 4, {{'m', 0, 1}});
    from.fill(kGrey);
    from.setPenColour(kRed);
    Raster to = drawn(5, 4, {{'m', 4, 0}});
    to.copyFrom(from, {3, -2, 9, 2});  // parts of rows
    to.copyFrom(from, {1, 2, 3, 3});
    to.copyFrom(from, {-1, 3, 7, 9});  // whole rows
    to.copyFrom(from, {2, 1, 2, 5});   // empty: only the pen
    to.lineTo(2, 1);
    EXPECT_EQ(picture(to), (Rows{"...gg", "rr.gg", ".gg..", "ggggg"}));
    to.copyFrom(drawn(2, 1, {}));  // another size: all of it, size included
    EXPECT_EQ(picture(to), (Rows{".."}));
}

TEST(Raster, ReadsOutsideReturnTheOutsideColour) {
    const Raster r(3, 2);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {-100000, 100000}})
        EXPECT_EQ(r.pixel(x, y), kOutside) << x << ", " << y;
}

// A display that knows a version must never see it again after a drawing, copy or assignment.
TEST(Raster, EveryDrawingMovesTheVersionPastBothImages) {
    Raster a(2, 2), b(2, 2);
    for (int i = 0; i < 5; ++i) b.setPixel(0, 0, kGrey);
    const auto va = a.version(), vb = b.version();
    a = b;
    EXPECT_GT(a.version(), std::max(va, vb));
    auto before = a.version();
    a.copyFrom(b, {0, 0, 0, 0});
    EXPECT_GT(a.version(), before);
    before = a.version();
    a = Raster(2, 2);
    EXPECT_GT(a.version(), before);
}

// A moved-from raster must not claim pixels it no longer holds.
TEST(Raster, AMovedFromRasterIsEmpty) {
    Raster a = drawn(3, 2, {{'p', 0, 0}});
    Raster b(std::move(a));
    EXPECT_EQ(a.pixel(0, 0), kOutside);  // NOLINT(bugprone-use-after-move)
    Raster c(1, 1);
    c = std::move(b);
    EXPECT_EQ(b.height(), 0);  // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(picture(c), (Rows{"g..", "..."}));
}
