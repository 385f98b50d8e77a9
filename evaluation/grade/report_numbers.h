#pragma once

#include <algorithm>
#include <charconv>
#include <string>

#include "app/texts.h"

namespace vemrik::report {

/// `decimals` places with the decimal sign of the language spoken; never from the locale.
inline std::string commaDecimal(double v, int decimals) {
    char buf[64];
    std::string text(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals).ptr);
    std::replace(text.begin(), text.end(), '.', decimalSign()[0]);
    return text;
}

/// A share 0 … 1 as "97,5 %".
inline std::string percent(double share) { return commaDecimal(100.0 * share, 1) + " %"; }

/// A weight as people write it: "2", "0,5".
inline std::string weightText(double w) {
    char buf[64];
    std::string text(buf, std::to_chars(buf, buf + sizeof buf, w).ptr);
    std::replace(text.begin(), text.end(), '.', decimalSign()[0]);
    return text;
}

}  // namespace vemrik::report
