#include "workspace/json_document.h"

#include <algorithm>
#include <set>
#include <vector>

#include "platform/texts.h"
#include "workspace/json_slip.h"

namespace vemrik {

namespace {

using Json = nlohmann::json;

/// "w wierszu L, kolumnie C" (both from 1) for the character at index i.
std::string position(std::string_view text, std::size_t i) {
    i = std::min(i, text.size());
    const std::size_t line = 1 + static_cast<std::size_t>(std::count(
                                     text.begin(), text.begin() + static_cast<std::ptrdiff_t>(i), '\n'));
    const std::size_t lineStart = text.rfind('\n', i == 0 ? std::string_view::npos : i - 1);
    const std::size_t column = lineStart == std::string_view::npos || i == 0 ? i + 1 : i - lineStart;
    return say({"w wierszu {1}, kolumnie {2}", "in line {1}, column {2}"},
               {std::to_string(line), std::to_string(column)});
}

/// The place, and after it what was most likely mistyped there, if anything fits.
std::string placeAndHint(std::string_view text, std::size_t at) {
    std::string said = position(text, at);
    if (const std::string hint = jsonSlipHint(text, at); !hint.empty()) said += "; " + hint;
    return said;
}

bool blank(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

/// Where a text of valid JSON writes a NUL character inside a string (as \u0000), or npos.
std::size_t escapedNul(std::string_view text) {
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!inString) {
            inString = c == '"';
        } else if (c == '"') {
            inString = false;
        } else if (c == '\\') {
            if (text.substr(i + 1, 5) == "u0000") return i;
            ++i;  // the escaped character, which may be a quote
        }
    }
    return std::string_view::npos;
}

std::string quotedKey(std::string_view key) {
    return Json(key).dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

JsonDocument parseJsonDocument(std::string_view text, int maxDepth, const JsonTaker& taker) {
    if (blank(text)) return {std::nullopt, say({"plik jest pusty", "the file is empty"})};
    // The JSON reader would take a NUL byte for the end of the text and never look past it.
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
        return {std::nullopt, say({"to nie jest poprawny JSON: bajt zerowy (NUL) {1}",
                                   "this is not valid JSON: a zero byte (NUL) {1}"},
                                  {position(text, nul)})};
    bool tooDeep = false;
    std::vector<std::set<std::string>> openObjects;
    std::string repeated;
    const auto watch = [&](int depth, Json::parse_event_t event, Json& parsed) {
        const bool opens =
            event == Json::parse_event_t::object_start || event == Json::parse_event_t::array_start;
        if (opens && depth >= maxDepth) {
            tooDeep = true;
            return false;
        }
        if (event == Json::parse_event_t::object_start) openObjects.emplace_back();
        if (event == Json::parse_event_t::object_end && !openObjects.empty()) openObjects.pop_back();
        if (event == Json::parse_event_t::key && !openObjects.empty() &&
            !openObjects.back().insert(parsed.get<std::string>()).second && repeated.empty())
            repeated = parsed.get<std::string>();
        return !tooDeep && (!taker || taker(depth, event, parsed));
    };
    Json root;
    try {
        root = Json::parse(text.begin(), text.end(), watch);
    } catch (const Json::parse_error& e) {
        if (e.byte > text.size())
            return {std::nullopt, say({"plik jest urwany: JSON kończy się przed czasem {1}",
                                       "the file is cut short: the JSON ends early {1}"},
                                      {placeAndHint(text, text.size())})};
        return {std::nullopt,
                say({"to nie jest poprawny JSON: błąd {1}", "this is not valid JSON: an error {1}"},
                    {placeAndHint(text, e.byte > 0 ? e.byte - 1 : 0)})};
    } catch (const Json::out_of_range&) {
        return {std::nullopt,
                say({"to nie jest plik Vemrik: liczba poza zakresem liczb zmiennoprzecinkowych",
                     "this is not a Vemrik file: a number beyond the range of floating-point numbers"})};
    } catch (const Json::exception&) {
        return {std::nullopt, say({"to nie jest poprawny JSON", "this is not valid JSON"})};
    }
    if (tooDeep)
        return {std::nullopt, say({"listy są zagnieżdżone zbyt głęboko; to nie jest plik Vemrik",
                                   "the lists are nested too deeply; this is not a Vemrik file"})};
    if (!repeated.empty())
        return {std::nullopt,
                say({"pole {1} występuje więcej niż raz", "the field {1} occurs more than once"},
                    {quotedKey(repeated)})};
    // A file name or a rule cut at a NUL would silently mean something shorter than it says.
    if (const std::size_t nul = escapedNul(text); nul != std::string_view::npos)
        return {std::nullopt, say({"napis zawiera znak NUL (\\u0000) {1}",
                                   "a string holds the character NUL (\\u0000) {1}"},
                                  {position(text, nul)})};
    return {std::move(root), {}};
}

std::string fieldName(const JsonField& f, const std::string& prefix) {
    return prefix + say(f.name) + " (\"" + std::string(f.key) + "\")";
}

std::string jsonQuoted(std::string_view s) {
    return Json(s).dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace vemrik
