#include <gtest/gtest.h>

#include "app/errors.h"
#include "app/grid.h"

using vemrik::Grid;
using vemrik::RangeError;

namespace {

Grid sized(int columns, int rows) {
    Grid g;
    g.setColumns(columns);
    for (int x = 0; x < columns; ++x) g.setLength(x, rows);
    return g;
}

void expectRangeError(const auto& f, std::int64_t index, std::int64_t length) {
    try {
        f();
        FAIL() << "no range error";
    } catch (const RangeError& e) {
        EXPECT_EQ(e.index(), index);
        EXPECT_EQ(e.length(), length);
        EXPECT_NE(std::string(e.what()).find(std::to_string(index)), std::string::npos);
    }
}

}  // namespace

TEST(Grid, EmptyGridHasNoColumnsAndZeroLength) {
    Grid g;
    EXPECT_EQ(g.columns(), 0);
    EXPECT_EQ(g.length(0), 0);
    expectRangeError([&] { g.at(0, 0); }, 0, 0);
}

TEST(Grid, EveryEdgeIsCheckedWithIndexAndLength) {
    Grid g = sized(21, 21);
    EXPECT_NO_THROW(g.at(0, 0));
    EXPECT_NO_THROW(g.at(20, 20));
    expectRangeError([&] { g.at(21, 0); }, 21, 21);
    expectRangeError([&] { g.at(-1, 0); }, -1, 21);
    expectRangeError([&] { g.at(0, 21); }, 21, 21);
    expectRangeError([&] { g.at(5, -1); }, -1, 21);
    // The column is checked before the row.
    expectRangeError([&] { g.at(30, 99); }, 30, 21);
}

TEST(Grid, NewCellsAreZeroAndResizingKeepsContents) {
    Grid g = sized(2, 3);
    EXPECT_EQ(g.at(1, 2), 0);
    g.at(1, 2) = 7;
    g.at(0, 0) = 5;
    g.setColumns(4);
    EXPECT_EQ(g.length(3), 0);  // added columns are empty
    EXPECT_EQ(g.at(1, 2), 7);
    g.setLength(1, 5);
    EXPECT_EQ(g.at(1, 2), 7);
    EXPECT_EQ(g.at(1, 4), 0);
    g.setLength(1, 2);
    expectRangeError([&] { g.at(1, 2); }, 2, 2);
    g.setColumns(1);
    EXPECT_EQ(g.at(0, 0), 5);
    g.setColumns(0);
    EXPECT_EQ(g.columns(), 0);
}

TEST(Grid, ListUseShrinksFromTheNewestEntry) {
    Grid list;
    for (int i = 0; i < 3; ++i) {
        list.setColumns(list.columns() + 1);
        list.setLength(list.columns() - 1, 4);
        list.at(list.columns() - 1, 0) = i;
    }
    list.setColumns(list.columns() - 1);
    ASSERT_EQ(list.columns(), 2);
    EXPECT_EQ(list.at(0, 0), 0);
    EXPECT_EQ(list.at(1, 0), 1);
    expectRangeError([&] { list.setLength(2, 4); }, 2, 2);
}
