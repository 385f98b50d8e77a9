#include "app/grid.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/errors.h"

using vemrik::Grid;
using vemrik::RangeError;

namespace {

void expectRangeError(const auto& f, std::int64_t index, std::int64_t length) {
    try {
        f();
        ADD_FAILURE() << "no range error for index " << index;
    } catch (const RangeError& e) {
        EXPECT_EQ(e.index(), index);
        EXPECT_EQ(e.length(), length);
        EXPECT_NE(std::string(e.what()).find(std::to_string(index)), std::string::npos);
    }
}

}  // namespace

TEST(Grid, EveryIndexIsCheckedAgainstItsOwnArrayColumnFirst) {
    Grid g;
    expectRangeError([&] { g.at(0, 0); }, 0, 0);
    g.setColumns(3);
    for (int x = 0; x < 3; ++x) g.setLength(x, 2);
    g.at(2, 1) = 7;
    EXPECT_EQ(g.length(3), 0);  // a column that does not exist
    EXPECT_EQ(g.length(-1), 0);
    for (auto [x, y, index, length] :
         {std::array{3, 0, 3, 3}, {-1, 0, -1, 3}, {0, 2, 2, 2}, {1, -1, -1, 2}, {9, 9, 9, 3}})
        expectRangeError([&] { g.at(x, y); }, index, length);
    expectRangeError([&] { g.setLength(3, 4); }, 3, 3);
    g.setColumns(4);    // added columns are empty, the others kept
    g.setLength(2, 4);  // added cells are 0
    EXPECT_EQ(g.at(2, 1), 7);
    EXPECT_EQ(g.at(2, 3), 0);
    EXPECT_EQ(g.length(3), 0);
    g.setLength(2, 1);
    expectRangeError([&] { g.at(2, 1); }, 1, 1);
    g.setColumns(0);
    EXPECT_EQ(g.columns(), 0);
}
