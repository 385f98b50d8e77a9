#pragma once

#include <string>
#include <string_view>

namespace vemrik {

/// A text from outside (a file name, a track's name) as it may safely be shown: control characters,
/// which a terminal would obey, and bytes that are no UTF-8 are written as escapes (`\n`, `\t`,
/// `\x1b`, `\u009b`). Every other character, Polish letters included, stays as it is.
std::string printableText(std::string_view text);

}  // namespace vemrik
