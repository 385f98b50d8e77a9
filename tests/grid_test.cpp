#include "app/grid.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(g.length(0), 0);
    expectRangeError([&] { g.at(0, 0); }, 0, 0);
    g.setColumns(21);
    for (int x = 0; x < 21; ++x) g.setLength(x, 21);
    EXPECT_NO_THROW(g.at(0, 0));
    EXPECT_NO_THROW(g.at(20, 20));
    EXPECT_EQ(g.length(21), 0);  // a column that does not exist
    EXPECT_EQ(g.length(-1), 0);
    expectRangeError([&] { g.at(21, 0); }, 21, 21);
    expectRangeError([&] { g.at(-1, 0); }, -1, 21);
    expectRangeError([&] { g.at(0, 21); }, 21, 21);
    expectRangeError([&] { g.at(5, -1); }, -1, 21);
    expectRangeError([&] { g.at(30, 99); }, 30, 21);
    expectRangeError([&] { g.setLength(21, 4); }, 21, 21);
}

TEST(Grid, ResizingKeepsContentsAndAddsZeros) {
    Grid g;
    g.setColumns(2);
    g.setLength(0, 1);
    g.setLength(1, 3);
    g.at(1, 2) = 7;
    g.at(0, 0) = 5;
    g.setColumns(4);
    EXPECT_EQ(g.length(3), 0);  // added columns are empty
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
