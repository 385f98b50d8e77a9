#include "track_import/thinning.h"

#include <array>
#include <vector>

namespace vemrik {

namespace {

/// The eight neighbours clockwise from the one above: P2 .. P9 in the usual naming.
std::array<bool, 8> neighbours(const Mask& m, int x, int y) {
    return {m.at(x, y - 1), m.at(x + 1, y - 1), m.at(x + 1, y), m.at(x + 1, y + 1),
            m.at(x, y + 1), m.at(x - 1, y + 1), m.at(x - 1, y), m.at(x - 1, y - 1)};
}

/// Whether the pixel may go in this pass: on the area's edge, neither an end nor a bridge.
bool removable(const Mask& m, int x, int y, bool firstPass) {
    const std::array<bool, 8> p = neighbours(m, x, y);
    int count = 0, rises = 0;
    for (int i = 0; i < 8; ++i) {
        count += p[static_cast<std::size_t>(i)];
        rises += !p[static_cast<std::size_t>(i)] && p[static_cast<std::size_t>((i + 1) % 8)];
    }
    if (count < 2 || count > 6 || rises != 1) return false;
    const bool n = p[0], e = p[2], s = p[4], w = p[6];
    return firstPass ? !(n && e && s) && !(e && s && w) : !(n && e && w) && !(n && s && w);
}

/// One pass over the remaining pixels; true if any went.
bool pass(Mask& m, std::vector<std::size_t>& remaining, bool firstPass) {
    std::vector<std::size_t> gone;
    for (const std::size_t i : remaining) {
        const int x = static_cast<int>(i % static_cast<std::size_t>(m.width));
        const int y = static_cast<int>(i / static_cast<std::size_t>(m.width));
        if (removable(m, x, y, firstPass)) gone.push_back(i);
    }
    for (const std::size_t i : gone) m.on[i] = 0;
    std::erase_if(remaining, [&m](std::size_t i) { return m.on[i] == 0; });
    return !gone.empty();
}

}  // namespace

void thin(Mask& mask) {
    std::vector<std::size_t> remaining;
    for (std::size_t i = 0; i < mask.on.size(); ++i)
        if (mask.on[i]) remaining.push_back(i);
    bool changed = true;
    while (changed) {
        const bool first = pass(mask, remaining, true);
        const bool second = pass(mask, remaining, false);
        changed = first || second;
    }
}

}  // namespace vemrik
