#pragma once

#include <string_view>

#include "raster/raster.h"

namespace vemrik {

/// A small bitmap font for names written into a picture, so that every front end shows the same
/// pixels: capitals (small letters are drawn as capitals), digits, a few signs and the Polish
/// letters; anything else is a "?".
inline constexpr int kGlyphWidth = 5;
/// Two rows for accents above the letter's seven and one below for the ogonek.
inline constexpr int kGlyphHeight = 10;
inline constexpr int kGlyphAdvance = kGlyphWidth + 1;

/// How wide `text` (UTF-8) is drawn, in pixels.
int textWidth(std::string_view text);

/// Writes `text` (UTF-8) with its top left corner at (x, y) in colour `c`, clipped.
void drawText(Raster& image, int x, int y, std::string_view text, Colour c);

}  // namespace vemrik
