#include "platform/texts.h"

#include <atomic>
#include <cstdio>

namespace vemrik {

namespace {

std::atomic<Language> gLanguage{Language::Polish};
std::atomic<std::string (*)(std::string_view)> gDecorate{nullptr};

std::string substitute(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '{' && i + 2 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9' &&
            pattern[i + 2] == '}') {
            const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += args.begin()[n];
                i += 2;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace

void speakCore(Language language, std::string (*decorate)(std::string_view)) {
    gLanguage = language;
    gDecorate = decorate;
}

Language coreLanguage() { return gLanguage; }

std::string say(const Text& text, std::initializer_list<std::string_view> args) {
    const std::string_view pattern = gLanguage == Language::English ? text.en : text.pl;
    const auto decorate = gDecorate.load();
    if (!decorate) return substitute(pattern, args);
    const std::string decorated = decorate(pattern);
    return substitute(decorated, args);
}

std::string sayCounted(long long n, const CountedText& word) {
    const long long tens = n % 100, ones = n % 10;
    const bool few = ones >= 2 && ones <= 4 && (tens < 12 || tens > 14);
    const Text& form = n == 1 ? word.one : few ? word.few : word.many;
    return std::to_string(n) + " " + say(form);
}

std::string_view decimalSign() { return gLanguage == Language::Polish ? "," : "."; }

std::string spokenDecimal(double value, int digits) {
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%.*f", digits, value);
    std::string out(buf, static_cast<std::size_t>(n < 0                              ? 0
                                                  : n < static_cast<int>(sizeof buf) ? n
                                                                                     : sizeof buf - 1));
    for (char& c : out)
        if (c == '.') c = decimalSign()[0];
    return out;
}

}  // namespace vemrik
