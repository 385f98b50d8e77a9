#include "app/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "app/errors.h"
#include "platform/decimal.h"

namespace vemrik {

void ShortText::assign(std::string_view s) {
    len_ = 0;
    append(s);
}

void ShortText::append(std::string_view s) {
    const std::size_t n = std::min(s.size(), kCapacity - len_);
    std::copy_n(s.data(), n, buf_.data() + len_);
    len_ += n;
}

ShortText IntToStr(std::int64_t value) {
    std::array<char, 24> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    ShortText t;
    t.assign({buf.data(), static_cast<std::size_t>(res.ptr - buf.data())});
    return t;
}

ShortText FloatToStr(double value) {
    char buf[kNumberChars];
    ShortText t;
    t.assign({buf, writeGeneral(value, 15, buf)});
    return t;
}

double StrToFloat(std::string_view text) {
    const auto fail = [&]() { return ConversionError(std::string(text)); };
    std::string_view s = text;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    if (s.empty() || s.size() > 64) throw fail();
    std::array<char, 64> buf{};
    std::copy(s.begin(), s.end(), buf.begin());
    std::replace(buf.begin(), buf.begin() + static_cast<std::ptrdiff_t>(s.size()), ',', '.');
    const char* first = buf.data();
    const char* last = buf.data() + s.size();
    if (*first == '+') {  // from_chars takes no plus sign
        ++first;
        if (first == last || *first == '-') throw fail();
    }
    // from_chars would also read "inf" and "nan"; a rule angle must be an ordinary number.
    if (std::any_of(first, last, [](char c) {
            return std::isalpha(static_cast<unsigned char>(c)) && c != 'e' && c != 'E';
        }))
        throw fail();
    const std::optional<double> value = readDouble({first, static_cast<std::size_t>(last - first)});
    if (!value || !std::isfinite(*value)) throw fail();
    return *value;
}

}  // namespace vemrik
