#include "platform/language.h"

#include <cstdlib>

namespace vemrik {

std::optional<Language> languageOfLocale(std::string_view locale) {
    // "ll", "ll_CC", "ll.codeset", "ll_CC.codeset@modifier": only the language letters count.
    const std::string_view code = locale.substr(0, locale.find_first_of("_.@"));
    if (code == "pl") return Language::Polish;
    if (code == "en") return Language::English;
    return std::nullopt;
}

Language languageFromEnvironment(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (!value || !*value) continue;
        return languageOfLocale(value).value_or(Language::Polish);
    }
    return Language::Polish;
}

Language languageFromEnvironment() {
    return languageFromEnvironment(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

std::string_view languageCode(Language language) { return language == Language::English ? "en" : "pl"; }

}  // namespace vemrik
