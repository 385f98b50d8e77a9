#include "track_import/simplify.h"

#include <cmath>
#include <utility>

namespace vemrik {

namespace {

/// Distance from p to the segment a–b (to a itself when the two are one point).
double distance(PixelPoint p, PixelPoint a, PixelPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2;
    t = std::fmax(0.0, std::fmin(1.0, t));
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

/// Keeps the farthest point of each stretch while it lies beyond tolerance; a stack of stretches
/// rather than recursion, since a long winding path would nest as deep as it has points.
void keepFarthest(const std::vector<PixelPoint>& points, double tolerance, std::vector<bool>& keep) {
    std::vector<std::pair<std::size_t, std::size_t>> stretches{{0, points.size() - 1}};
    while (!stretches.empty()) {
        const auto [first, last] = stretches.back();
        stretches.pop_back();
        double farthest = -1;
        std::size_t at = first;
        for (std::size_t i = first + 1; i < last; ++i) {
            const double d = distance(points[i], points[first], points[last]);
            if (d > farthest) {
                farthest = d;
                at = i;
            }
        }
        if (farthest <= tolerance) continue;
        keep[at] = true;
        stretches.emplace_back(first, at);
        stretches.emplace_back(at, last);
    }
}

}  // namespace

std::vector<PixelPoint> simplifyPath(const std::vector<PixelPoint>& points, double tolerance) {
    if (points.size() < 3) return points;
    std::vector<bool> keep(points.size(), false);
    keep.front() = keep.back() = true;
    keepFarthest(points, tolerance, keep);
    std::vector<PixelPoint> kept;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (keep[i]) kept.push_back(points[i]);
    return kept;
}

}  // namespace vemrik
