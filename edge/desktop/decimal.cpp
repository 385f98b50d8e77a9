// Numbers as text on the desktop: the C++ library's own conversions, locale-free.
#include "app/decimal.h"

#include <charconv>

namespace vemrik {

namespace {

template <class... Args>
std::string converted(Args... args) {
    char buf[400];  // fixed notation of the largest double with a few decimals fits
    const auto res = std::to_chars(buf, buf + sizeof buf, args...);
    return std::string(buf, res.ptr);
}

template <class Number>
std::optional<Number> read(std::string_view text) {
    if (text.empty() || text[0] == '+') return std::nullopt;
    Number v{};
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec != std::errc{} || res.ptr != text.data() + text.size()) return std::nullopt;
    return v;
}

}  // namespace

std::string shortestText(double v) { return converted(v); }
std::string shortestText(float v) { return converted(v); }
std::string fixedText(double v, int decimals) { return converted(v, std::chars_format::fixed, decimals); }
std::string generalText(double v, int digits) { return converted(v, std::chars_format::general, digits); }
std::optional<double> readDouble(std::string_view text) { return read<double>(text); }
std::optional<float> readFloat(std::string_view text) { return read<float>(text); }

}  // namespace vemrik
