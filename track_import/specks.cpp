#include "track_import/specks.h"

#include <vector>

namespace vemrik {

namespace {

/// The pixels of the group holding the seed, marking them seen.
std::vector<std::size_t> group(const Mask& mask, int sx, int sy, std::vector<std::uint8_t>& seen) {
    std::vector<std::size_t> members;
    std::vector<std::pair<int, int>> todo{{sx, sy}};
    seen[mask.index(sx, sy)] = 1;
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        members.push_back(mask.index(x, y));
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (!mask.at(nx, ny) || seen[mask.index(nx, ny)]) continue;
                seen[mask.index(nx, ny)] = 1;
                todo.emplace_back(nx, ny);
            }
    }
    return members;
}

}  // namespace

void dropSpecks(Mask& mask, int minPixels) {
    std::vector<std::uint8_t> seen(mask.on.size(), 0);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            if (!mask.at(x, y) || seen[mask.index(x, y)]) continue;
            const std::vector<std::size_t> members = group(mask, x, y, seen);
            if (static_cast<int>(members.size()) >= minPixels) continue;
            for (const std::size_t i : members) mask.on[i] = 0;
        }
}

}  // namespace vemrik
