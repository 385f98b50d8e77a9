#pragma once

#include <optional>
#include <string_view>

namespace vemrik {

/// The languages Vemrik speaks; Polish is its own and the fallback for anything else.
enum class Language { Polish, English };

/// The language a locale name such as "en_GB.UTF-8", "pl" or "C" asks for, if Vemrik has it.
std::optional<Language> languageOfLocale(std::string_view locale);

/// The language of the messages as POSIX picks it: LC_ALL, then LC_MESSAGES, then LANG, the first
/// one set and not empty deciding; Polish when it names no language Vemrik has (or none is set).
/// Null pointers stand for unset variables.
Language languageFromEnvironment(const char* lcAll, const char* lcMessages, const char* lang);

/// The same, read from this process's environment.
Language languageFromEnvironment();

/// "pl" or "en", as `--lang` takes it and the settings keep it.
std::string_view languageCode(Language language);

}  // namespace vemrik
