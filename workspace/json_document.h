#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "platform/texts.h"

namespace vemrik {

/// The JSON of a file of ours, or why it is not JSON we would read.
struct JsonDocument {
    std::optional<nlohmann::json> root;
    /// Empty on success; otherwise, in Polish, what is wrong and where (line and column).
    std::string error;
};

/// Sees each value as it is parsed (nlohmann's parser callback: depth, event, value) and gives
/// false to leave it out of the document, having taken it itself.
using JsonTaker = std::function<bool(int depth, nlohmann::json::parse_event_t event, nlohmann::json& parsed)>;

/// Parses the text of a file of ours. Refuses blank text, nesting deeper than maxDepth (before it
/// can cost memory) and a key repeated within one object, which plain JSON would silently drop.
/// `taker`, when given, may take values out of the document as they are parsed.
JsonDocument parseJsonDocument(std::string_view text, int maxDepth, const JsonTaker& taker = {});

/// A field of a file of ours: its key and its name for the user.
struct JsonField {
    std::string_view key;
    Text name;
};

/// The field as error messages name it: the prefix, its name, its key in quotes.
std::string fieldName(const JsonField& f, const std::string& prefix = {});

/// A key or text as JSON writes it, bytes that are not UTF-8 replaced, for error messages.
std::string jsonQuoted(std::string_view s);

}  // namespace vemrik
