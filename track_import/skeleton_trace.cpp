#include "track_import/skeleton_trace.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vemrik {

namespace {

// Straight neighbours before diagonal ones, so a walk takes both pixels of a staircase step
// instead of cutting its corner and leaving one behind.
constexpr std::array<PixelPoint, 8> kSteps{
    {{0, -1}, {1, 0}, {0, 1}, {-1, 0}, {1, -1}, {1, 1}, {-1, 1}, {-1, -1}}};

int neighbourCount(const Mask& m, PixelPoint p) {
    int n = 0;
    for (const PixelPoint d : kSteps) n += m.at(p.x + d.x, p.y + d.y);
    return n;
}

class Tracer {
public:
    explicit Tracer(const Mask& skeleton) : m_(skeleton), taken_(skeleton.width, skeleton.height) {}

    std::vector<PixelPath> run() {
        for (const bool endsOnly : {true, false})
            for (int y = 0; y < m_.height; ++y)
                for (int x = 0; x < m_.width; ++x) {
                    const PixelPoint p{x, y};
                    if (!m_.at(x, y) || taken_.at(x, y)) continue;
                    if (endsOnly && neighbourCount(m_, p) != 1) continue;
                    walkFrom(p, endsOnly);
                }
        return std::move(paths_);
    }

private:
    /// A neighbour of p that is on and, as asked, taken or not, skipping the path's last pixels.
    std::optional<PixelPoint> neighbour(PixelPoint p, bool taken, const std::vector<PixelPoint>& path) const {
        const std::size_t recent = std::min<std::size_t>(path.size(), 3);
        for (const PixelPoint d : kSteps) {
            const PixelPoint q{p.x + d.x, p.y + d.y};
            if (!m_.at(q.x, q.y) || taken_.at(q.x, q.y) != taken) continue;
            if (std::find(path.end() - static_cast<std::ptrdiff_t>(recent), path.end(), q) != path.end())
                continue;
            return q;
        }
        return std::nullopt;
    }

    void walkFrom(PixelPoint start, bool fromEnd) {
        PixelPath path;
        if (!fromEnd)
            if (const auto joined = neighbour(start, true, path.points)) path.points.push_back(*joined);
        const bool joinedAtStart = !path.points.empty();
        path.points.push_back(start);
        taken_.set(start.x, start.y, true);
        while (const auto next = neighbour(path.points.back(), false, path.points)) {
            path.points.push_back(*next);
            taken_.set(next->x, next->y, true);
        }
        const std::size_t own = path.points.size() - joinedAtStart;
        bool joinedAtEnd = false;
        if (const auto joined = neighbour(path.points.back(), true, path.points)) {
            path.closed = *joined == path.points.front();
            joinedAtEnd = true;
            path.points.push_back(*joined);
        }
        const std::size_t whiskerPixels = kWhiskerPixels;
        // A free end running into a line followed before, or a pixel or two left between lines
        // where a walk cut a staircase's corner.
        const bool whisker = joinedAtEnd && !path.closed && fromEnd && own < whiskerPixels;
        const bool scrap = joinedAtEnd && joinedAtStart && own <= 2;
        if (!whisker && !scrap) paths_.push_back(std::move(path));
    }

    const Mask& m_;
    Mask taken_;
    std::vector<PixelPath> paths_;
};

}  // namespace

std::vector<PixelPath> tracePaths(const Mask& skeleton) { return Tracer(skeleton).run(); }

}  // namespace vemrik
