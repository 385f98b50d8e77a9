#include "track_import/components.h"

#include <utility>

namespace vemrik {

std::vector<std::vector<std::size_t>> components(const Mask& mask, bool value) {
    std::vector<std::vector<std::size_t>> groups;
    std::vector<std::uint8_t> seen(mask.on.size(), 0);
    std::vector<std::pair<int, int>> todo;
    for (int sy = 0; sy < mask.height; ++sy)
        for (int sx = 0; sx < mask.width; ++sx) {
            if (mask.at(sx, sy) != value || seen[mask.index(sx, sy)]) continue;
            std::vector<std::size_t>& group = groups.emplace_back();
            todo.emplace_back(sx, sy);
            seen[mask.index(sx, sy)] = 1;
            while (!todo.empty()) {
                const auto [x, y] = todo.back();
                todo.pop_back();
                group.push_back(mask.index(x, y));
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        if (!value && dx != 0 && dy != 0) continue;
                        const int nx = x + dx, ny = y + dy;
                        if (!mask.inside(nx, ny) || mask.at(nx, ny) != value || seen[mask.index(nx, ny)])
                            continue;
                        seen[mask.index(nx, ny)] = 1;
                        todo.emplace_back(nx, ny);
                    }
            }
        }
    return groups;
}

}  // namespace vemrik
