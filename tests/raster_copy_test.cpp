#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "raster/raster.h"

using namespace vemrik;

namespace {

using Rows = std::vector<std::string>;

// '.' white, '#' black, 'g' grey.
Rows picture(const Raster& r) {
    Rows rows;
    for (int y = 0; y < r.height(); ++y) {
        std::string row;
        for (int x = 0; x < r.width(); ++x) {
            const Colour c = r.pixel(x, y);
            row += c == kWhite ? '.' : c == kBlack ? '#' : c == kGrey ? 'g' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

Raster filled(int w, int h, Colour c) {
    Raster r(w, h);
    r.fill(c);
    return r;
}

}  // namespace

TEST(RasterCopy, AnAreaIsCopiedClippedAndTheRestKept) {
    const Raster from = filled(5, 4, kGrey);
    Raster to = filled(5, 4, kWhite);
    to.copyFrom(from, {3, -2, 9, 2});
    EXPECT_EQ(picture(to), (Rows{"...gg", "...gg", ".....", "....."}));
    to.copyFrom(from, {1, 2, 3, 3});
    EXPECT_EQ(picture(to), (Rows{"...gg", "...gg", ".gg..", "....."}));
}

TEST(RasterCopy, AnEmptyOrOutsideAreaCopiesNoPixelsButTheDrawingState) {
    Raster from = filled(3, 2, kGrey);
    from.setBrushColour(kRed);
    from.setPenColour(kBlue);
    from.setPenWidth(10);
    Raster to = filled(3, 2, kWhite);
    to.copyFrom(from, {2, 1, 2, 5});
    to.copyFrom(from, {-9, -9, 0, 0});
    EXPECT_EQ(picture(to), (Rows{"...", "..."}));
    EXPECT_EQ(to.brushColour(), kRed);
    EXPECT_EQ(to.penColour(), kBlue);
    EXPECT_EQ(to.penWidth(), 10);
}

// The pen position comes along: a LineTo without MoveTo starts where the source's pen stood.
TEST(RasterCopy, ThePenPositionComesAlong) {
    Raster from = filled(4, 3, kWhite);
    from.moveTo(0, 1);
    Raster to = filled(4, 3, kWhite);
    to.moveTo(3, 0);
    to.copyFrom(from);
    to.setPenColour(kBlack);
    to.lineTo(3, 1);
    EXPECT_EQ(picture(to), (Rows{"....", "###.", "...."}));
}

TEST(RasterCopy, AnImageOfAnotherSizeTakesAllOfTheOther) {
    const Raster from = filled(2, 1, kBlack);
    Raster to = filled(3, 3, kWhite);
    to.copyFrom(from, {0, 0, 1, 1});
    EXPECT_EQ(picture(to), (Rows{"##"}));
}

// A display or a cache that knows a version must never see it again after a copy or assignment.
TEST(RasterCopy, CopiesAndAssignmentsMoveTheVersionPastBothImages) {
    Raster a = filled(2, 2, kWhite), b(2, 2);
    for (int i = 0; i < 5; ++i) b.setPixel(0, 0, kGrey);
    const auto va = a.version(), vb = b.version();
    a = b;
    EXPECT_GT(a.version(), va);
    EXPECT_GT(a.version(), vb);
    const auto before = a.version();
    a.copyFrom(b, {0, 0, 0, 0});
    EXPECT_GT(a.version(), before);
    const auto beforeMove = a.version();
    a = Raster(2, 2);
    EXPECT_GT(a.version(), beforeMove);
}

// A moved-from raster must not claim pixels it no longer holds.
TEST(RasterCopy, AMovedFromRasterIsEmptyAndReadsOutside) {
    Raster a = filled(3, 2, kGrey);
    Raster b(std::move(a));
    EXPECT_EQ(a.width(), 0);  // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(a.pixel(0, 0), kOutside);
    Raster c(1, 1);
    c = std::move(b);
    EXPECT_EQ(b.height(), 0);  // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(b.pixel(0, 0), kOutside);
    EXPECT_EQ(picture(c), (Rows{"ggg", "ggg"}));
}
