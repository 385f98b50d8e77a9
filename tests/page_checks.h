// Pixel checks shared by the tests of the pages.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "raster/raster.h"

namespace vemrik::checks {

struct Probe {
    int x, y;
    Colour colour;
};

/// Every probed pixel has its colour.
inline void expectPixels(const Raster& r, std::initializer_list<Probe> probes) {
    for (const Probe& p : probes)
        EXPECT_EQ(r.pixel(p.x, p.y), p.colour) << "pixel (" << p.x << ", " << p.y << ")";
}

/// Pixels where the image differs from want(x, y).
inline int differing(const Raster& r, const auto& want) {
    int n = 0;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) n += r.pixel(x, y) != want(x, y);
    return n;
}

}  // namespace vemrik::checks
