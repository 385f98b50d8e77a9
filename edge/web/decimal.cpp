// Numbers as text in the page, whose C++ library cannot convert floating point to and from text
// itself: through printf and strtod, which the page's never-changed "C" locale keeps locale-free.
// Written to give exactly what the desktop's std::to_chars and std::from_chars give.
#include "platform/decimal.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vemrik {

namespace {

template <class... Args>
std::string printed(const char* format, Args... args) {
    char buf[400];
    const int n = std::snprintf(buf, sizeof buf, format, args...);
    return std::string(buf, static_cast<std::size_t>(std::max(n, 0)));
}

/// The digits of v (no point) and the power of ten of the first: v = d.ddd × 10^exponent.
struct Digits {
    std::string digits;
    int exponent = 0;
};

template <class Number>
Number readBack(const std::string& text, char** end = nullptr) {
    if constexpr (sizeof(Number) == sizeof(float))
        return std::strtof(text.c_str(), end);
    else
        return std::strtod(text.c_str(), end);
}

/// The fewest significant digits that read back to v (finite, not zero, positive); printf rounds
/// correctly, so among equally short texts it gives the nearest, as to_chars does.
template <class Number>
Digits shortestDigits(Number v) {
    constexpr int kMost = sizeof(Number) == sizeof(float) ? 9 : 17;
    std::string text;
    for (int precision = 1; precision <= kMost; ++precision) {
        text = printed("%.*e", precision - 1, static_cast<double>(v));
        if (readBack<Number>(text) == v) break;
    }
    const std::size_t e = text.find('e');
    Digits d;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') d.digits += text[i];
    d.exponent = std::atoi(text.c_str() + e + 1);
    return d;
}

std::string scientific(const Digits& d) {
    std::string s(1, d.digits[0]);
    if (d.digits.size() > 1) s += "." + d.digits.substr(1);
    const int e = std::abs(d.exponent);
    return s + (d.exponent < 0 ? "e-" : "e+") + (e < 10 ? "0" : "") + std::to_string(e);
}

std::string plain(const Digits& d) {
    if (d.exponent < 0) return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    const auto point = static_cast<std::size_t>(d.exponent + 1);
    return d.digits.substr(0, point) + "." + d.digits.substr(point);
}

template <class Number>
std::string shortest(Number v) {
    if (std::isnan(v)) return std::signbit(v) ? "-nan" : "nan";
    const std::string sign = std::signbit(v) ? "-" : "";
    if (std::isinf(v)) return sign + "inf";
    if (v == 0) return sign + "0";
    const Digits d = shortestDigits(std::fabs(v));
    // A whole number written out in full shows all its digits, not the shortest ones and zeros.
    const std::string fixed = d.exponent >= static_cast<int>(d.digits.size()) - 1
                                  ? printed("%.0f", static_cast<double>(std::fabs(v)))
                                  : plain(d);
    const std::string sci = scientific(d);
    return sign + (sci.size() < fixed.size() ? sci : fixed);
}

template <class Number>
std::optional<Number> read(std::string_view text) {
    if (text.empty() || text.size() > 300) return std::nullopt;
    // strtod would also take what from_chars refuses: blanks, a plus sign, hexadecimal.
    const char first = text[0] == '-' && text.size() > 1 ? text[1] : text[0];
    if (first == '+' || first == ' ' || first == '\t' || first == '\n' || first == '-') return std::nullopt;
    for (const char c : text)
        if (c == 'x' || c == 'X' || c == 'p' || c == 'P') return std::nullopt;
    const std::string copy(text);
    char* end = nullptr;
    errno = 0;
    const Number v = readBack<Number>(copy, &end);
    if (end != copy.c_str() + copy.size()) return std::nullopt;
    // Too large, or too small to be told from zero; a value below the normal range still reads.
    if (errno == ERANGE && (v == 0 || std::isinf(v))) return std::nullopt;
    return v;
}

std::size_t copied(const std::string& text, char* out) {
    const std::size_t n = std::min(text.size(), kNumberChars);
    text.copy(out, n);
    return n;
}

}  // namespace

std::size_t writeShortest(double v, char* out) { return copied(shortest(v), out); }
std::size_t writeShortest(float v, char* out) { return copied(shortest(v), out); }
std::size_t writeGeneral(double v, int digits, char* out) { return copied(printed("%.*g", digits, v), out); }
std::string fixedText(double v, int decimals) { return printed("%.*f", decimals, v); }
std::optional<double> readDouble(std::string_view text) { return read<double>(text); }
std::optional<float> readFloat(std::string_view text) { return read<float>(text); }

}  // namespace vemrik
