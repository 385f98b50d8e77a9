#include "track_import/specks.h"

#include "track_import/components.h"

namespace vemrik {

namespace {

/// Whether the on pixels around (x, y) form one unbroken run round it: then clearing it parts
/// nothing. The middle of a line one pixel wide has two runs, one on each side.
bool oneRunAround(const Mask& m, int x, int y) {
    static constexpr int ring[8][2] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
    int rises = 0;
    for (int i = 0; i < 8; ++i) {
        const int* next = ring[(i + 1) % 8];
        rises += !m.at(x + ring[i][0], y + ring[i][1]) && m.at(x + next[0], y + next[1]);
    }
    return rises == 1;
}

}  // namespace

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
            // A tooth goes; a pixel that holds a thin line together stays, or the line would fall
            // apart into dashes or vanish.
            mask.set(x, y, on >= 5 || (before.at(x, y) && !oneRunAround(before, x, y)));
        }
}

}  // namespace vemrik
