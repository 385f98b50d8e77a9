#pragma once

#include <string>
#include <vector>

/// The fields of one CSV line as a sketch prints it, quotes kept; a comma inside quotes is text.
inline std::vector<std::string> csvFields(const std::string& line) {
    std::vector<std::string> out(1);
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted)
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}
