// Numbers as text on the desktop: the C++ library's own conversions, locale-free.
#include "platform/decimal.h"

#include <charconv>

namespace vemrik {

namespace {

template <class... Args>
std::size_t written(char* out, Args... args) {
    return static_cast<std::size_t>(std::to_chars(out, out + kNumberChars, args...).ptr - out);
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

std::size_t writeShortest(double v, char* out) { return written(out, v); }
std::size_t writeShortest(float v, char* out) { return written(out, v); }
std::size_t writeGeneral(double v, int digits, char* out) {
    return written(out, v, std::chars_format::general, digits);
}

std::string fixedText(double v, int decimals) {
    char buf[400];  // the largest double written out in full, with a few decimals
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals).ptr);
}

std::optional<double> readDouble(std::string_view text) { return read<double>(text); }
std::optional<float> readFloat(std::string_view text) { return read<float>(text); }

}  // namespace vemrik
