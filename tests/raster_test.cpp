#include "raster/raster.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

#include "tests/page_checks.h"

using namespace vemrik;
using checks::picture;
using checks::Rows;

// Each drawing starts on a white image with pen and brush black.
TEST(Raster, DrawingsCoverExactlyTheseGrids) {
    const struct {
        int w, h;
        void (*draw)(Raster&);
        Rows want;
    } cases[] = {
        // A rectangle fills x1 .. x2-1 by y1 .. y2-1, whichever corner comes first.
        {6, 4, [](Raster& r) { r.rectangle(1, 1, 4, 3); }, {"......", ".###..", ".###..", "......"}},
        {6, 4, [](Raster& r) { r.rectangle(4, 3, 1, 1); }, {"......", ".###..", ".###..", "......"}},
        // Its border takes the pen colour.
        {5,
         5,
         [](Raster& r) {
             r.setBrushColour(kGrey);
             r.rectangle(0, 0, 5, 5);
         },
         {"#####", "#ggg#", "#ggg#", "#ggg#", "#####"}},
        // Clipped at every edge, also with a border.
        {4,
         3,
         [](Raster& r) {
             r.rectangle(-5, -5, 2, 1);
             r.setBrushColour(kGrey);
             r.rectangle(2, 1, 100, 100);
         },
         {"##..", "..##", "..#g"}},
        // Thin pens (width 0 and 1) stop before the end point.
        {6,
         3,
         [](Raster& r) {
             r.setPenWidth(0);
             r.moveTo(0, 1);
             r.lineTo(5, 1);
         },
         {"......", "#####.", "......"}},
        {6,
         3,
         [](Raster& r) {
             r.moveTo(5, 2);
             r.lineTo(0, 2);
         },
         {"......", "......", ".#####"}},
        // The minor coordinate rounds halves away from the start: offsets 0, 0.5, 1, 1.5 and back.
        {5,
         3,
         [](Raster& r) {
             r.moveTo(0, 0);
             r.lineTo(4, 2);
         },
         {"#....", ".##..", "...#."}},
        {5,
         3,
         [](Raster& r) {
             r.moveTo(4, 2);
             r.lineTo(0, 0);
         },
         {".#...", "..##.", "....#"}},
        // Thin lines from far outside draw only their visible part, in either direction.
        {4,
         2,
         [](Raster& r) {
             r.moveTo(-2000000000, 1);
             r.lineTo(2000000000, 1);
             r.moveTo(1, 2000000000);
             r.lineTo(1, -2000000000);
         },
         {".#..", "####"}},
        // Width 2 along y = 2 from x = 1 to 4: rows 1 and 2, round caps reaching one pixel out.
        {7,
         5,
         [](Raster& r) {
             r.setPenWidth(2);
             r.moveTo(1, 2);
             r.lineTo(4, 2);
         },
         {".......", "#####..", "#####..", ".......", "......."}},
        // A point drawn with width 4 is a round dot: the corners lie 2.12 from its centre.
        {4,
         4,
         [](Raster& r) {
             r.setPenWidth(4);
             r.moveTo(2, 2);
             r.lineTo(2, 2);
         },
         {".##.", "####", "####", ".##."}},
        // End points a billion pixels off are pulled in without moving the visible part.
        {6,
         6,
         [](Raster& r) {
             r.setPenWidth(4);
             r.moveTo(-1000000000, 3);
             r.lineTo(1000000000, 3);
         },
         {"......", "######", "######", "######", "######", "......"}},
        // An absurdly wide pen covers everything without overflowing.
        {4,
         3,
         [](Raster& r) {
             r.setPenWidth(INT_MAX);
             r.moveTo(-5000, 10);
             r.lineTo(9000, 30);
         },
         {"####", "####", "####"}},
        // Writes outside are ignored, also just past the last column, which is the next row's start.
        {3,
         3,
         [](Raster& r) {
             for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 3}}) r.setPixel(x, y, kGrey);
         },
         {"...", "...", "..."}},
        // Copies are clipped and keep the rest; whole rows and parts of rows.
        {5,
         4,
         [](Raster& r) {
             Raster from(5, 4);
             from.fill(kGrey);
             r.copyFrom(from, {3, -2, 9, 2});
             r.copyFrom(from, {1, 2, 3, 3});
             r.copyFrom(from, {-1, 3, 7, 9});
         },
         {"...gg", "...gg", ".gg..", "ggggg"}},
        // An empty or outside area copies no pixels, but pen colour and position come along.
        {4,
         3,
         [](Raster& r) {
             Raster from(4, 3);
             from.fill(kRed);
             from.setPenColour(kGrey);
             from.moveTo(0, 1);
             r.moveTo(3, 0);
             r.copyFrom(from, {2, 1, 2, 5});
             r.copyFrom(from, {-9, -9, 0, 0});
             r.lineTo(3, 1);
         },
         {"....", "ggg.", "...."}},
        // A copy from an image of another size takes all of it, size included.
        {3,
         3,
         [](Raster& r) {
             Raster from(2, 1);
             from.fill(kBlack);
             r.copyFrom(from, {0, 0, 1, 1});
         },
         {"##"}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        Raster r(cases[i].w, cases[i].h);
        r.setPenColour(kBlack);
        r.setBrushColour(kBlack);
        cases[i].draw(r);
        EXPECT_EQ(picture(r), cases[i].want) << "case " << i;
    }
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
    EXPECT_GT(a.version(), va);
    EXPECT_GT(a.version(), vb);
    auto before = a.version();
    a.copyFrom(b, {0, 0, 0, 0});
    EXPECT_GT(a.version(), before);
    before = a.version();
    a = Raster(2, 2);
    EXPECT_GT(a.version(), before);
}

// A moved-from raster must not claim pixels it no longer holds.
TEST(Raster, AMovedFromRasterIsEmpty) {
    Raster a(3, 2);
    a.fill(kGrey);
    Raster b(std::move(a));
    EXPECT_EQ(a.pixel(0, 0), kOutside);  // NOLINT(bugprone-use-after-move)
    Raster c(1, 1);
    c = std::move(b);
    EXPECT_EQ(b.height(), 0);  // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(picture(c), (Rows{"ggg", "ggg"}));
}
