#include "raster/pixel_text.h"

#include <array>
#include <cstdint>

namespace vemrik {

namespace {

/// The marks the Polish letters add to a plain one.
enum class Mark : std::uint8_t { None, Acute, Dot, Ogonek, Stroke };

/// Seven rows of five pixels, the leftmost the highest bit.
using Rows = std::array<std::uint8_t, 7>;

struct Glyph {
    Rows rows;
    Mark mark = Mark::None;
};

constexpr Rows kUnknown = {0x0E, 0x11, 0x01, 0x02, 0x04, 0x00, 0x04};

/// 'A' .. 'Z'.
constexpr std::array<Rows, 26> kLetters = {{
    {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}, {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E},
    {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}, {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E},
    {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}, {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10},
    {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}, {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11},
    {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}, {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C},
    {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}, {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F},
    {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}, {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11},
    {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10},
    {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}, {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11},
    {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}, {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04},
    {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04},
    {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}, {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11},
    {0x11, 0x11, 0x11, 0x0A, 0x04, 0x04, 0x04}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F},
}};

/// '0' .. '9'.
constexpr std::array<Rows, 10> kDigits = {{
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E},
    {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F},
    {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02},
    {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E},
    {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E},
    {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
}};

Rows letter(char capital) { return kLetters[static_cast<std::size_t>(capital - 'A')]; }

Glyph polish(char32_t c) {
    switch (c) {
        case U'Ą':
        case U'ą':
            return {letter('A'), Mark::Ogonek};
        case U'Ć':
        case U'ć':
            return {letter('C'), Mark::Acute};
        case U'Ę':
        case U'ę':
            return {letter('E'), Mark::Ogonek};
        case U'Ł':
        case U'ł':
            return {letter('L'), Mark::Stroke};
        case U'Ń':
        case U'ń':
            return {letter('N'), Mark::Acute};
        case U'Ó':
        case U'ó':
            return {letter('O'), Mark::Acute};
        case U'Ś':
        case U'ś':
            return {letter('S'), Mark::Acute};
        case U'Ź':
        case U'ź':
            return {letter('Z'), Mark::Acute};
        case U'Ż':
        case U'ż':
            return {letter('Z'), Mark::Dot};
        default:
            return {kUnknown};
    }
}

Glyph glyphOf(char32_t c) {
    if (c >= U'a' && c <= U'z') c -= U'a' - U'A';
    if (c >= U'A' && c <= U'Z') return {letter(static_cast<char>(c))};
    if (c >= U'0' && c <= U'9') return {kDigits[c - U'0']};
    switch (c) {
        case U' ':
            return {{}};
        case U'-':
            return {{0, 0, 0, 0x1F, 0, 0, 0}};
        case U'_':
            return {{0, 0, 0, 0, 0, 0, 0x1F}};
        case U'.':
            return {{0, 0, 0, 0, 0, 0x0C, 0x0C}};
        case U'(':
            return {{0x02, 0x04, 0x08, 0x08, 0x08, 0x04, 0x02}};
        case U')':
            return {{0x08, 0x04, 0x02, 0x02, 0x02, 0x04, 0x08}};
        default:
            return polish(c);
    }
}

/// The next code point of UTF-8 text from `at`, moving past it; a broken sequence is one byte of
/// "?".
char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at++);
    if (lead < 0x80) return lead;
    const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (more == 0 || at + static_cast<std::size_t>(more) > text.size()) return U'?';
    char32_t c = lead & (0x3F >> more);
    for (int i = 0; i < more; ++i) {
        if ((byte(at) & 0xC0) != 0x80) return U'?';
        c = (c << 6) | (byte(at++) & 0x3F);
    }
    return c;
}

void drawGlyph(Raster& image, int x, int y, const Glyph& g, Colour c) {
    constexpr int kBody = 2;  // rows above the letter, for its accent
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < kGlyphWidth; ++col)
            if (g.rows[static_cast<std::size_t>(row)] & (0x10 >> col))
                image.setPixel(x + col, y + kBody + row, c);
    switch (g.mark) {
        case Mark::None:
            break;
        case Mark::Acute:
            image.setPixel(x + 3, y, c);
            image.setPixel(x + 2, y + 1, c);
            break;
        case Mark::Dot:
            image.setPixel(x + 2, y + 1, c);
            break;
        case Mark::Ogonek:
            image.setPixel(x + 3, y + kBody + 7, c);
            image.setPixel(x + 4, y + kBody + 7, c);
            break;
        case Mark::Stroke:
            image.setPixel(x + 1, y + kBody + 4, c);
            image.setPixel(x + 2, y + kBody + 3, c);
            break;
    }
}

}  // namespace

int textWidth(std::string_view text) {
    int glyphs = 0;
    for (std::size_t at = 0; at < text.size(); ++glyphs) nextCodePoint(text, at);
    return glyphs == 0 ? 0 : glyphs * kGlyphAdvance - 1;
}

void drawText(Raster& image, int x, int y, std::string_view text, Colour c) {
    for (std::size_t at = 0; at < text.size(); x += kGlyphAdvance)
        drawGlyph(image, x, y, glyphOf(nextCodePoint(text, at)), c);
}

}  // namespace vemrik
