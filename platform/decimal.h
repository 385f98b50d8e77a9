#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vemrik {

// Numbers as text with a decimal point, never the locale's sign. The desktop's C++ library has
// these conversions for floating point; the page's has not, so each edge brings its own (edge/).

/// Room for the text of writeShortest and writeGeneral (up to 17 digits) of any value.
inline constexpr std::size_t kNumberChars = 32;

/// The shortest text that reads back to the same value ("0.1", "1e+22", "-0") into `out`, which
/// holds kNumberChars; returns its length. Allocates nothing: runs write these at every step.
std::size_t writeShortest(double v, char* out);
std::size_t writeShortest(float v, char* out);
/// At most `digits` (1 .. 17) significant digits, trailing zeros dropped, an exponent only for very
/// large or small values: 0.5 with 15 digits is "0.5". As writeShortest.
std::size_t writeGeneral(double v, int digits, char* out);

/// writeShortest as a string.
std::string shortestText(double v);
std::string shortestText(float v);
/// `decimals` places after the point, rounded to nearest: fixedText(2.345, 1) is "2.3".
std::string fixedText(double v, int decimals);

/// The whole text as one number: digits, at most one point, an exponent, a leading minus; no
/// blank, plus sign or hexadecimal. Nothing when it is not such a number or out of range.
std::optional<double> readDouble(std::string_view text);
std::optional<float> readFloat(std::string_view text);

}  // namespace vemrik
