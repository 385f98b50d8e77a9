#include "simulation/run_options.h"

#include <charconv>

namespace vemrik {

std::optional<std::uint32_t> seedFromText(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    // from_chars alone would take a leading "-" and stop quietly at the first non-digit.
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    std::uint32_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return seed;
}

}  // namespace vemrik
