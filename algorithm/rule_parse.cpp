#include "algorithm/rule_parse.h"

#include <cmath>
#include <limits>
#include <string>

#include "algorithm/rule_text.h"
#include "app/errors.h"
#include "app/number_text.h"

namespace vemrik {

float ruleAngle(std::string_view line) {
    const std::string_view text =
        line.size() > kPatternLength ? line.substr(kPatternLength) : std::string_view{};
    const double value = StrToFloat(text);
    // A value past the float range would turn the heading into infinity and the pose into NaN.
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max()))
        throw ConversionError(std::string(text));
    return static_cast<float>(value);
}

}  // namespace vemrik
