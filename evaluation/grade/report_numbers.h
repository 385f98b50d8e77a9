#pragma once

#include <algorithm>
#include <string>

#include "platform/decimal.h"
#include "platform/texts.h"

namespace vemrik::report {

/// `decimals` places with the decimal sign of the language spoken; never from the locale.
inline std::string commaDecimal(double v, int decimals) {
    std::string text = fixedText(v, decimals);
    std::replace(text.begin(), text.end(), '.', decimalSign()[0]);
    return text;
}

/// A share 0 … 1 as "97,5 %".
inline std::string percent(double share) { return commaDecimal(100.0 * share, 1) + " %"; }

/// A weight as people write it: "2", "0,5".
inline std::string weightText(double w) {
    std::string text = shortestText(w);
    std::replace(text.begin(), text.end(), '.', decimalSign()[0]);
    return text;
}

}  // namespace vemrik::report
