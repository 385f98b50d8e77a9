#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vemrik {

/// A short text held in place, so number texts on the redraw and step paths never allocate.
class ShortText {
public:
    static constexpr std::size_t kCapacity = 32;
    std::string_view view() const { return {buf_.data(), len_}; }
    operator std::string_view() const { return view(); }
    void assign(std::string_view s);
    void append(std::string_view s);

private:
    std::array<char, kCapacity> buf_{};
    std::size_t len_ = 0;
};

/// Decimal text of an integer: a leading "-" for negatives, no leading zeros.
ShortText IntToStr(std::int64_t value);
/// Decimal text of a number with up to 15 significant digits; a whole number has no point.
ShortText FloatToStr(double value);
/// The number a text stands for; surrounding blanks are allowed, a "." or "," separates the
/// fraction. Throws ConversionError for anything else, including values that are not finite.
double StrToFloat(std::string_view text);

}  // namespace vemrik
