#include "track_import/thinning.h"

#include <array>
#include <utility>
#include <vector>

#include "track_import/components.h"

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

/// Whether the pixel has an off neighbour: only such pixels can ever be removable.
bool onEdge(const Mask& m, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if ((dx || dy) && !m.at(x + dx, y + dy)) return true;
    return false;
}

/// One pass over the edge pixels, which it then replaces by the edge of what is left: the pixels
/// it kept and the neighbours of those it removed. Only the edge is looked at, so a large dark
/// area costs its area once, not once per pass. True if any pixel went.
bool pass(Mask& m, std::vector<std::size_t>& edge, std::vector<std::uint8_t>& listed, bool firstPass) {
    const auto xy = [&m](std::size_t i) {
        return std::pair{static_cast<int>(i % static_cast<std::size_t>(m.width)),
                         static_cast<int>(i / static_cast<std::size_t>(m.width))};
    };
    std::vector<std::size_t> gone;
    for (const std::size_t i : edge) {
        const auto [x, y] = xy(i);
        if (removable(m, x, y, firstPass)) gone.push_back(i);
    }
    for (const std::size_t i : gone) m.on[i] = 0;
    std::vector<std::size_t> next;
    const auto list = [&](int x, int y) {
        if (!m.at(x, y) || listed[m.index(x, y)] || !onEdge(m, x, y)) return;
        listed[m.index(x, y)] = 1;
        next.push_back(m.index(x, y));
    };
    for (const std::size_t i : edge) listed[i] = 0;
    for (const std::size_t i : edge) list(xy(i).first, xy(i).second);
    for (const std::size_t i : gone)
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) list(xy(i).first + dx, xy(i).second + dy);
    edge = std::move(next);
    return !gone.empty();
}

/// Thinning wipes out a 2 × 2 block whole; each area that went entirely keeps its pixel nearest
/// its centre, so a dot still leaves a dot.
void keepVanished(const Mask& before, Mask& thinned) {
    for (const std::vector<std::size_t>& area : components(before, true)) {
        bool left = false;
        double cx = 0, cy = 0;
        for (const std::size_t i : area) {
            left = left || thinned.on[i];
            cx += static_cast<double>(i % static_cast<std::size_t>(before.width));
            cy += static_cast<double>(i / static_cast<std::size_t>(before.width));
        }
        if (left) continue;
        cx /= static_cast<double>(area.size());
        cy /= static_cast<double>(area.size());
        std::size_t nearest = area.front();
        double best = -1;
        for (const std::size_t i : area) {
            const double dx = static_cast<double>(i % static_cast<std::size_t>(before.width)) - cx;
            const double dy = static_cast<double>(i / static_cast<std::size_t>(before.width)) - cy;
            if (best < 0 || dx * dx + dy * dy < best) {
                best = dx * dx + dy * dy;
                nearest = i;
            }
        }
        thinned.on[nearest] = 1;
    }
}

}  // namespace

void thin(Mask& mask) {
    const Mask before = mask;
    std::vector<std::size_t> edge;
    std::vector<std::uint8_t> listed(mask.on.size(), 0);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            if (mask.at(x, y) && onEdge(mask, x, y)) {
                edge.push_back(mask.index(x, y));
                listed[mask.index(x, y)] = 1;
            }
    bool changed = true;
    while (changed) {
        const bool first = pass(mask, edge, listed, true);
        const bool second = pass(mask, edge, listed, false);
        changed = first || second;
    }
    keepVanished(before, mask);
}

}  // namespace vemrik
