#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

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

}  // namespace vemrik
