#include "track_import/prune.h"

#include <array>
#include <vector>

#include "track_import/components.h"

namespace vemrik {

namespace {

constexpr std::array<std::array<int, 2>, 8> kRing{
    {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}}};

/// A free end: one neighbour, or two that touch each other (the end of a staircase).
bool freeEnd(const Mask& m, int x, int y) {
    int count = 0, rises = 0;
    for (std::size_t i = 0; i < kRing.size(); ++i) {
        const bool here = m.at(x + kRing[i][0], y + kRing[i][1]);
        const auto& next = kRing[(i + 1) % kRing.size()];
        count += here;
        rises += !here && m.at(x + next[0], y + next[1]);
    }
    return (count == 1 || count == 2) && rises == 1;
}

std::vector<std::size_t> freeEnds(const Mask& m) {
    std::vector<std::size_t> ends;
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
            if (m.at(x, y) && freeEnd(m, x, y)) ends.push_back(m.index(x, y));
    return ends;
}

/// Puts back, whole, every piece of the original that wearing took away completely: a short
/// dash or a dot is a mark on the floor, not a whisker of anything.
void restoreVanished(const Mask& original, Mask& skeleton) {
    for (const std::vector<std::size_t>& piece : components(original, true)) {
        bool left = false;
        for (const std::size_t i : piece) left = left || skeleton.on[i];
        if (!left)
            for (const std::size_t i : piece) skeleton.on[i] = 1;
    }
}

}  // namespace

void pruneWhiskers(Mask& skeleton, int length) {
    const Mask original = skeleton;
    for (int k = 0; k < length; ++k)
        for (const std::size_t i : freeEnds(skeleton)) skeleton.on[i] = 0;
    // Grow back from the ends that are left, only over pixels of the original skeleton.
    std::vector<std::size_t> front = freeEnds(skeleton);
    for (int k = 0; k < length && !front.empty(); ++k) {
        std::vector<std::size_t> next;
        for (const std::size_t i : front) {
            const int x = static_cast<int>(i % static_cast<std::size_t>(skeleton.width));
            const int y = static_cast<int>(i / static_cast<std::size_t>(skeleton.width));
            for (const auto& [dx, dy] : kRing) {
                if (!original.at(x + dx, y + dy) || skeleton.at(x + dx, y + dy)) continue;
                skeleton.set(x + dx, y + dy, true);
                next.push_back(skeleton.index(x + dx, y + dy));
            }
        }
        front = std::move(next);
    }
    restoreVanished(original, skeleton);
}

}  // namespace vemrik
