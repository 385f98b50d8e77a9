// Sheets for printing the track at real size, worked out by hand.
#include "simulation/print_tiles.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace vemrik;

namespace {

// The 701 x 401 map at 20 mm per cell is 1402 x 802 mm.
constexpr PrintLayout kA4{1402, 802, 210, 297, 10, 10};
constexpr PrintLayout kA3{1402, 802, 297, 420, 10, 10};

TEST(PrintTiles, SheetsAcrossAndDown) {
    struct Case {
        const char* what;
        PrintLayout layout;
        int columns, rows;
    };
    const Case cases[] = {
        // 190 x 277 printable, moving on by 180 and 267: 1 + ceil(1212 / 180), 1 + ceil(525 / 267).
        {"A4 upright", kA4, 8, 3},
        {"A4 turned", turned(kA4), 6, 5},
        {"A3 upright", kA3, 6, 3},
        {"A3 turned", turned(kA3), 4, 3},
        {"fits one sheet exactly", {190, 277, 210, 297, 10, 10}, 1, 1},
        {"two sheets exactly", {370, 544, 210, 297, 10, 10}, 2, 2},
        {"a millimetre more", {371, 545, 210, 297, 10, 10}, 3, 3},
        {"no overlap", {380, 10, 210, 297, 10, 0}, 2, 1},
        {"overlap as large as the sheet", {1402, 802, 210, 297, 10, 190}, 0, 0},
    };
    for (const Case& c : cases) {
        const TileGrid grid = tileGrid(c.layout);
        EXPECT_EQ(grid.columns, c.columns) << c.what;
        EXPECT_EQ(grid.rows, c.rows) << c.what;
        EXPECT_EQ(printTiles(c.layout).size(), static_cast<std::size_t>(c.columns * c.rows)) << c.what;
    }
}

TEST(PrintTiles, EachSheetShowsItsPartOfTheTrack) {
    const std::vector<PrintTile> tiles = printTiles(kA4);
    const PrintTile& b3 = tiles.at(2 * 8 + 1);  // row by row
    EXPECT_TRUE(b3.row == 2 && b3.column == 1 && b3.x == 180 && b3.y == 534 && b3.width == 190 &&
                b3.height == 277);
}

TEST(PrintTiles, TurnsTheSheetOnlyForFewerPages) {
    EXPECT_FALSE(fewerPagesTurned(kA4));                           // 24 against 30
    EXPECT_TRUE(fewerPagesTurned(kA3));                            // 18 against 12
    EXPECT_FALSE(fewerPagesTurned({100, 100, 210, 297, 10, 10}));  // 1 and 1
    EXPECT_TRUE(fewerPagesTurned({250, 10, 210, 297, 10, 10}));    // 2 and 1
}

TEST(PrintTiles, NamesAndLength) {
    for (const auto& [row, column, name] :
         {std::tuple{0, 0, "A1"}, {2, 1, "B3"}, {0, 25, "Z1"}, {8, 26, "AA9"}, {11, 27, "AB12"}})
        EXPECT_EQ(tileName(row, column), name);
    EXPECT_DOUBLE_EQ(trackMillimetres(701, 20), 1402);
}

}  // namespace
