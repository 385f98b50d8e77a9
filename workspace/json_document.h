#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "app/texts.h"

namespace vemrik {

/// The JSON of a file of ours, or why it is not JSON we would read.
struct JsonDocument {
    std::optional<nlohmann::json> root;
    /// Empty on success; otherwise, in Polish, what is wrong and where (line and column).
    std::string error;
};

/// Parses the text of a file of ours. Refuses blank text, nesting deeper than maxDepth (before it
/// can cost memory) and a key repeated within one object, which plain JSON would silently drop.
JsonDocument parseJsonDocument(std::string_view text, int maxDepth);

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
