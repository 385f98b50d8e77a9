#pragma once

#include <string_view>

namespace vemrik {

/// The turn angle of a rule line: the text from its 17th character on, read as a number (a
/// fraction too) and rounded to single precision. Throws ConversionError when that text is
/// empty, not a number, or beyond the single-precision range. Allocates only to throw.
float ruleAngle(std::string_view line);

}  // namespace vemrik
