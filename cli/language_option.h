#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/language.h"

namespace vemrik {

/// Takes every `--lang pl|en` out of `args`; the last one given names the language, `fallback`
/// stands when there is none. Nullopt, and `args` as they were, for a language Vemrik lacks or a
/// `--lang` without one.
std::optional<Language> takeLanguageOption(std::vector<std::string>& args, Language fallback);

}  // namespace vemrik
