#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "raster/raster.h"

using namespace vemrik;

namespace {

// Pictures as rows of characters: '.' white, '#' pen or brush black, 'g' grey.
std::vector<std::string> picture(const Raster& r) {
    std::vector<std::string> rows;
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

Raster blank(int w, int h) {
    Raster r(w, h);
    r.fill(kWhite);
    r.setPenColour(kBlack);
    r.setBrushColour(kBlack);
    return r;
}

using Rows = std::vector<std::string>;

}  // namespace

TEST(Raster, RectangleCoversX1ToX2Minus1) {
    Raster r = blank(6, 4);
    r.rectangle(1, 1, 4, 3);
    EXPECT_EQ(picture(r), (Rows{"......", ".###..", ".###..", "......"}));
}

TEST(Raster, RectangleOutlineTakesThePenColour) {
    Raster r = blank(5, 5);
    r.setBrushColour(kGrey);
    r.rectangle(0, 0, 5, 5);
    EXPECT_EQ(picture(r), (Rows{"#####", "#ggg#", "#ggg#", "#ggg#", "#####"}));
}

TEST(Raster, RectangleIsClippedAtEveryEdge) {
    Raster r = blank(4, 3);
    r.rectangle(-5, -5, 2, 1);
    r.rectangle(3, 2, 100, 100);
    EXPECT_EQ(picture(r), (Rows{"##..", "....", "...#"}));
}

TEST(Raster, ThinLineStopsBeforeItsEndPoint) {
    for (int width : {0, 1}) {
        Raster r = blank(6, 3);
        r.setPenWidth(width);
        r.moveTo(0, 1);
        r.lineTo(5, 1);
        EXPECT_EQ(picture(r), (Rows{"......", "#####.", "......"})) << "pen width " << width;
    }
}

TEST(Raster, ThinDiagonalRoundsHalvesAwayFromTheStart) {
    Raster r = blank(5, 3);
    r.moveTo(0, 0);
    r.lineTo(4, 2);  // minor offsets 0, 0.5, 1, 1.5
    EXPECT_EQ(picture(r), (Rows{"#....", ".##..", "...#."}));
}

TEST(Raster, ThinLineFromFarOutsideDrawsOnlyItsVisiblePart) {
    Raster r = blank(4, 2);
    r.moveTo(-2000000000, 1);
    r.lineTo(2000000000, 1);
    EXPECT_EQ(picture(r), (Rows{"....", "####"}));
}

TEST(Raster, WideLineCoversPixelCentresWithinHalfTheWidth) {
    // Width 2 along y = 2 from x = 1 to x = 4: rows 1 and 2, with round caps at both ends.
    Raster r = blank(7, 5);
    r.setPenWidth(2);
    r.moveTo(1, 2);
    r.lineTo(4, 2);
    EXPECT_EQ(picture(r), (Rows{".......", "#####..", "#####..", ".......", "......."}));
}

TEST(Raster, TenPixelPenIsExactlyTenRowsThick) {
    Raster r = blank(30, 30);
    r.setPenWidth(10);
    r.moveTo(5, 15);
    r.lineTo(25, 15);
    for (int y = 0; y < 30; ++y)
        EXPECT_EQ(r.pixel(15, y) == kBlack, y >= 10 && y <= 19) << "row " << y;
}

TEST(Raster, WideLinePointIsARoundDot) {
    Raster r = blank(8, 8);
    r.setPenWidth(4);
    r.moveTo(4, 4);
    r.lineTo(4, 4);
    EXPECT_EQ(picture(r), (Rows{"........", "........", "...##...", "..####..", "..####..",
                                "...##...", "........", "........"}));
}

TEST(Raster, WideLineFromFarAwayMatchesTheSameLineNearby) {
    Raster near = blank(20, 20), far = blank(20, 20);
    near.setPenWidth(10);
    near.moveTo(-10, 10);
    near.lineTo(30, 10);
    far.setPenWidth(10);
    far.moveTo(-1000000000, 10);
    far.lineTo(1000000000, 10);
    EXPECT_EQ(picture(near), picture(far));
}

TEST(Raster, ReadsOutsideAreNeitherGreyNorRedAndWritesOutsideAreIgnored) {
    Raster r = blank(3, 3);
    r.setPixel(-1, 0, kGrey);
    r.setPixel(3, 3, kGrey);
    EXPECT_EQ(picture(r), (Rows{"...", "...", "..."}));
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 3}, {-100000, 100000}}) {
        EXPECT_NE(r.pixel(x, y), kGrey);
        EXPECT_NE(r.pixel(x, y), kRed);
    }
}

TEST(Raster, VersionGrowsWithEveryDrawing) {
    Raster r = blank(2, 2);
    const auto v = r.version();
    r.setPixel(0, 0, kGrey);
    EXPECT_GT(r.version(), v);
}
