#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vemrik {

// Numbers as text with a decimal point, never the locale's sign. The desktop's C++ library has
// these conversions for floating point; the page's has not, so each edge brings its own.

/// The shortest text that reads back to the same value: "0.1", "1e+22", "-0".
std::string shortestText(double v);
std::string shortestText(float v);
/// `decimals` places after the point, rounded to nearest: fixedText(2.345, 1) is "2.3".
std::string fixedText(double v, int decimals);
/// At most `digits` significant digits, trailing zeros dropped, exponent only for very large or
/// small values: generalText(0.5, 15) is "0.5".
std::string generalText(double v, int digits);
/// The whole text as one number: digits, at most one point, an exponent, a leading minus; no
/// blank, plus sign or hexadecimal. Nothing when it is not such a number or out of range.
std::optional<double> readDouble(std::string_view text);
std::optional<float> readFloat(std::string_view text);

}  // namespace vemrik
