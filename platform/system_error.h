#pragma once

#include <string>
#include <system_error>

namespace vemrik {

/// What went wrong in a call to the system, in the language the core speaks: the common causes in
/// the program's own words, anything else as the system words it.
std::string systemErrorText(std::error_code error);

/// The same for an errno value.
std::string systemErrorText(int errnoValue);

}  // namespace vemrik
