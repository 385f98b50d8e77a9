#include "cli/language_option.h"

namespace vemrik {

std::optional<Language> takeLanguageOption(std::vector<std::string>& args, Language fallback) {
    std::vector<std::string> rest;
    Language chosen = fallback;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--lang") {
            rest.push_back(args[i]);
            continue;
        }
        if (i + 1 == args.size()) return std::nullopt;
        const std::string& code = args[++i];
        if (code == "pl")
            chosen = Language::Polish;
        else if (code == "en")
            chosen = Language::English;
        else
            return std::nullopt;
    }
    args = std::move(rest);
    return chosen;
}

}  // namespace vemrik
