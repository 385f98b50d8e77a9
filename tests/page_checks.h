// Checks shared by the tests of the raster and the pages: small images as rows of characters,
// pixel probes, and the cells of a board that are set.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/grid.h"
#include "raster/raster.h"

namespace vemrik::checks {

using Rows = std::vector<std::string>;

inline constexpr std::pair<Colour, char> kLegend[] = {{kWhite, '.'}, {kBlack, '#'}, {kGrey, 'g'},
                                                      {kRed, 'r'},   {kBlue, 'b'},  {kGreen, 'G'}};

/// The image as rows of characters: '.' white, '#' black, 'g' grey, 'r' red, 'b' blue, 'G' green.
inline Rows picture(const Raster& r) {
    Rows rows;
    for (int y = 0; y < r.height(); ++y) {
        std::string row;
        for (int x = 0; x < r.width(); ++x) {
            char shown = '?';
            for (const auto& [colour, c] : kLegend)
                if (r.pixel(x, y) == colour) shown = c;
            row += shown;
        }
        rows.push_back(row);
    }
    return rows;
}

/// Pixels where two images of one size differ.
inline int differing(const Raster& a, const Raster& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

struct Probe {
    int x, y;
    Colour colour;
};

/// Every probed pixel has its colour.
inline void expectPixels(const Raster& r, std::initializer_list<Probe> probes) {
    for (const Probe& p : probes)
        EXPECT_EQ(r.pixel(p.x, p.y), p.colour) << "pixel (" << p.x << ", " << p.y << ")";
}

using Cells = std::map<std::pair<int, int>, int>;

/// Every non-zero cell of a board.
inline Cells nonZero(const Grid& g) {
    Cells out;
    for (int i = 0; i < g.columns(); ++i)
        for (int j = 0; j < g.length(i); ++j)
            if (g.at(i, j) != 0) out[{i, j}] = g.at(i, j);
    return out;
}

}  // namespace vemrik::checks
