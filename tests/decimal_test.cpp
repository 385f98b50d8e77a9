// Number texts, built twice: with the desktop's conversions, and with the page's, which must give
// what the desktop's library gives, as the page has no floating-point to_chars of its own.
#include "platform/decimal.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace vemrik {
namespace {

std::string generalText(double v, int digits) {
    char buf[kNumberChars];
    return std::string(buf, writeGeneral(v, digits, buf));
}

TEST(DecimalText, FixedAndGeneralTexts) {
    EXPECT_EQ(fixedText(2.345, 1), "2.3");  // 2.345 is stored a little below itself
    EXPECT_EQ(fixedText(0.125, 2), "0.12");
    EXPECT_EQ(fixedText(-0.04, 1), "-0.0");
    EXPECT_EQ(fixedText(97.5, 0), "98");
    EXPECT_EQ(generalText(0.1 + 0.2, 15), "0.3");
    EXPECT_EQ(generalText(1e20, 15), "1e+20");
}

TEST(DecimalText, ReadsWhatFromCharsReads) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"1.5", 1.5},          {"-2e3", -2000.0},       {"1.", 1.0},           {".5", 0.5},
        {"+1", std::nullopt},  {" 1", std::nullopt},    {"1 ", std::nullopt},  {"0x10", std::nullopt},
        {"", std::nullopt},    {"1e999", std::nullopt}, {".", std::nullopt},   {"-", std::nullopt},
        {"--1", std::nullopt}, {"1e", std::nullopt},    {"1,5", std::nullopt}, {"1e-400", std::nullopt},
        {"5e-324", 5e-324},
    };
    for (const Case& c : cases) EXPECT_EQ(readDouble(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(readFloat("3.5e39"), std::nullopt);
    EXPECT_EQ(readDouble(std::string_view("1.25").substr(0, 3)), 1.2);  // the view, not what follows
}

/// Bit patterns spread over every exponent, from a fixed generator.
template <class Number, class Bits>
std::vector<Number> spreadValues(int count) {
    std::vector<Number> out;
    std::uint64_t state = 88172645463325252ull;
    while (static_cast<int>(out.size()) < count) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        const auto bits = static_cast<Bits>(state);
        Number v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) out.push_back(v);
    }
    return out;
}

template <class Number>
std::string libraryText(Number v) {
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

/// Each value's shortest text is the library's and reads back as the same number.
template <class Number>
void expectShortestAsTheLibrary(const std::vector<Number>& values,
                                std::optional<Number> (*read)(std::string_view)) {
    for (const Number v : values) {
        const std::string text = shortestText(v);
        ASSERT_EQ(text, libraryText(v));
        ASSERT_EQ(read(text), v) << text;
    }
}

TEST(DecimalText, ShortestAsTheLibraryForAnyNumberAndReadBack) {
    expectShortestAsTheLibrary(spreadValues<double, std::uint64_t>(20000), &readDouble);
    expectShortestAsTheLibrary(spreadValues<float, std::uint32_t>(20000), &readFloat);
    // Where plain and scientific texts are about as long, whole numbers past the digits kept, signs.
    expectShortestAsTheLibrary<double>(
        {0.0, -0.0, 0.1, 1e22, 1e-7, 0.0001, 0.00015, 123456.0, 12300000.0, 1e16, 1e15 + 1,
         9007199254740993.0, -355.25, static_cast<double>(0.1f)},
        &readDouble);
    expectShortestAsTheLibrary<float>({0.1f, 355.5f, 16777216.0f, -90.0f, 1e-8f}, &readFloat);
    // Positions and headings as runs end: a quarter pixel or a hundredth of a degree apart.
    std::vector<float> poses;
    for (int i = -4000; i <= 4000; ++i)
        poses.insert(poses.end(), {static_cast<float>(i) * 0.25f + 0.1f, static_cast<float>(i) * 0.01f});
    expectShortestAsTheLibrary(poses, &readFloat);
}

}  // namespace
}  // namespace vemrik
