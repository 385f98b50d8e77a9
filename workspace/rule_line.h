#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vemrik {

/// Why the simulation step could not read this rule line, in words for the user; nothing when it
/// can: the first 16 characters are eight digits 0 or 1 each followed by one blank, and the rest
/// is a number for StrToFloat.
std::optional<std::string> ruleLineProblem(std::string_view line);

/// The rule line as an exported robot writes it: the blanks around its angle left out, so that
/// the angle reads the same and the text fits the board's memory.
std::string trimmedRule(std::string_view line);

}  // namespace vemrik
