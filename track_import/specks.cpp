#include "track_import/specks.h"

#include "track_import/components.h"

namespace vemrik {

void dropSpecks(Mask& mask, int minPixels) {
    for (const bool value : {true, false})
        for (const std::vector<std::size_t>& group : components(mask, value))
            if (static_cast<int>(group.size()) < minPixels)
                for (const std::size_t i : group) mask.on[i] = value ? 0 : 1;
}

void smoothEdges(Mask& mask) {
    const Mask before = mask;
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            int on = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) on += before.at(x + dx, y + dy);
            mask.set(x, y, on >= 5);
        }
}

}  // namespace vemrik
