#pragma once

#include <set>
#include <string>

namespace vemrik {

/// Notes that `option` was given; false, with `why` said, when it was given before. A second value
/// would otherwise silently win over the first.
bool givenOnce(std::set<std::string>& given, const std::string& option, std::string& why);

}  // namespace vemrik
