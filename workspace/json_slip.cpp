#include "workspace/json_slip.h"

#include <cctype>
#include <vector>

#include "platform/texts.h"

namespace vemrik {

namespace {

/// What is open where the reader stopped: the brackets, and a string with where it began.
struct Open {
    std::vector<char> brackets;
    bool inString = false;
    std::size_t stringStart = 0;
};

Open openBefore(std::string_view text, std::size_t at) {
    Open open;
    for (std::size_t i = 0; i < at && i < text.size(); ++i) {
        const char c = text[i];
        if (open.inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                open.inString = false;
        } else if (c == '"') {
            open.inString = true;
            open.stringStart = i;
        } else if (c == '{' || c == '[') {
            open.brackets.push_back(c == '{' ? '}' : ']');
        } else if ((c == '}' || c == ']') && !open.brackets.empty()) {
            open.brackets.pop_back();
        }
    }
    return open;
}

/// The last character before `at` that is no white space, or 0.
char before(std::string_view text, std::size_t at) {
    while (at > 0 && std::isspace(static_cast<unsigned char>(text[at - 1]))) --at;
    return at == 0 ? '\0' : text[at - 1];
}

bool digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool letter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

/// Where the run of characters ending at `end` that all pass `part` begins.
template <class Part>
std::size_t runStart(std::string_view text, std::size_t end, Part part) {
    while (end > 0 && part(text[end - 1])) --end;
    return end;
}

/// "1,5" where the reader wanted the next field's name after "1,".
std::string decimalComma(std::string_view text, std::size_t at) {
    const std::size_t start = runStart(text, at + 1, digit);
    if (start < 2 || text[start - 1] != ',' || !digit(text[start - 2])) return {};
    const std::size_t whole = runStart(text, start - 1, [](char c) { return digit(c) || c == '-'; });
    const std::string_view a = text.substr(whole, start - 1 - whole), b = text.substr(start, at + 1 - start);
    return say({"liczby piszemy z kropką: {1}.{2}, nie {1},{2}",
                "numbers are written with a point: {1}.{2}, not {1},{2}"},
               {a, b});
}

std::string unclosedString() {
    return say({"brakuje cudzysłowu zamykającego napis", "the closing quote of a string is missing"});
}

std::string missingCloser(char closer) {
    return say({"brakuje nawiasu {1}", "a {1} is missing"}, {std::string_view(&closer, 1)});
}

std::string inString(std::string_view text, std::size_t at, const Open& open) {
    const char c = text[at];
    if (c == '\n' || c == '\r') return unclosedString();
    if (at > 0 && text[at - 1] == '\\') return say({"w ścieżkach używaj /", "in paths use /"});
    const char last = before(text, open.stringStart);
    if (c == '"' && (digit(last) || letter(last) || last == '"' || last == '}' || last == ']'))
        return say({"brakuje przecinka", "a comma is missing"});
    return {};
}

std::string outsideString(std::string_view text, std::size_t at, const Open& open) {
    const char c = text[at];
    if (digit(c)) return decimalComma(text, at);
    if ((c == '}' || c == ']') && before(text, at) == ',')
        return say({"usuń przecinek przed {1}", "remove the comma before {1}"}, {text.substr(at, 1)});
    const char expected = open.brackets.empty() ? '\0' : open.brackets.back();
    if ((c == '}' || c == ']') && expected != c && expected != '\0') return missingCloser(expected);
    if (c == ':' && expected == ']') return missingCloser(expected);
    if (letter(c)) {
        const char last = before(text, runStart(text, at, letter));
        if (last == ':' || last == '{' || last == '[' || last == ',')
            return say({"brakuje cudzysłowu: napisy i nazwy pól piszemy w \"…\"",
                        "a quote is missing: strings and field names are written in \"…\""});
    }
    return {};
}

}  // namespace

std::string jsonSlipHint(std::string_view text, std::size_t at) {
    const Open open = openBefore(text, at);
    if (at >= text.size()) {
        if (open.inString) return unclosedString();
        return open.brackets.empty() ? std::string{} : missingCloser(open.brackets.back());
    }
    return open.inString ? inString(text, at, open) : outsideString(text, at, open);
}

}  // namespace vemrik
