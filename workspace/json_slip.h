#pragma once

#include <string>
#include <string_view>

namespace vemrik {

/// What a person most likely got wrong where the JSON reader stopped at byte `at` of `text` (the
/// text's size when it ended early): a decimal comma, a comma before } or ], a missing quote or
/// bracket, a backslash in a path. Said in the core's language; empty when none of them fits.
std::string jsonSlipHint(std::string_view text, std::size_t at);

}  // namespace vemrik
