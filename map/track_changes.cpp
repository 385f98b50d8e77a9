#include "map/track_changes.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vemrik {

namespace {

/// A box grown to hold others, clipped to the image.
class Box {
public:
    Box(int width, int height) : width_(width), height_(height) {}
    void take(Area a) { area_ = enclosing(area_, a); }
    void takeCell(int cx, int cy) { take(clipped(10 * std::int64_t{cx}, 10 * std::int64_t{cy}, 10, 10)); }
    Area clipped(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) const {
        const auto in = [](std::int64_t v, int limit) {
            return static_cast<int>(std::clamp<std::int64_t>(v, 0, limit));
        };
        return {in(x, width_), in(y, height_), in(x + w, width_), in(y + h, height_)};
    }
    Area area() const { return area_; }

private:
    int width_, height_;
    Area area_{0, 0, 0, 0};
};

bool sameShape(const Grid& a, const Grid& b) {
    if (a.columns() != b.columns()) return false;
    for (int x = 0; x < a.columns(); ++x)
        if (a.length(x) != b.length(x)) return false;
    return true;
}

bool sameEntry(std::span<const std::int32_t> a, std::span<const std::int32_t> b) {
    if (a.size() != b.size()) return false;
    if (a.size() == 4)  // a stroke: four compares beat a call
        return a[0] == b[0] && a[1] == b[1] && a[2] == b[2] && a[3] == b[3];
    return std::memcmp(a.data(), b.data(), a.size_bytes()) == 0;
}

/// Adds the reach of stroke entry e; false for an entry that is not a segment.
bool takeStroke(const Grid& strokes, int e, Box& box, int width, int height) {
    const auto s = strokes.column(e);
    if (s.size() < 4) return false;
    box.take(strokeArea(s[0], s[1], s[2], s[3], width, height));
    return true;
}

/// The cells paintCells paints, compared; both grids have one shape. Whether any cell differs.
bool takeCells(const Grid& before, const Grid& after, Box& box) {
    const int columns = after.columns() - 1, rows = after.length(0) - 1;
    bool changed = false;
    for (int cx = 0; cx < after.columns(); ++cx) {
        if (sameEntry(before.column(cx), after.column(cx))) continue;
        changed = true;
        if (cx < columns)
            for (int cy = 0; cy < rows; ++cy)
                if (before.at(cx, cy) != after.at(cx, cy)) box.takeCell(cx, cy);
    }
    return changed;
}

}  // namespace

Area strokeArea(int x0, int y0, int x1, int y1, int width, int height) {
    const std::int64_t left = std::min(x0, x1) - kStrokeReach, top = std::min(y0, y1) - kStrokeReach;
    const std::int64_t right = std::max(x0, x1) + kStrokeReach + 1,
                       bottom = std::max(y0, y1) + kStrokeReach + 1;
    return Box(width, height).clipped(left, top, right - left, bottom - top);
}

TrackChange trackChange(const Grid& oldStrokes, const Grid& oldCells, const Grid& strokes, const Grid& cells,
                        int width, int height) {
    if (!sameShape(oldCells, cells)) return {true, true, true, 0, 0, {}};
    Box box(width, height);
    bool strokesChanged = false;
    int first = 0, end = 0;
    const int before = oldStrokes.columns(), after = strokes.columns();
    for (int e = 0; e < std::max(before, after); ++e) {
        if (e < before && e < after && sameEntry(oldStrokes.column(e), strokes.column(e))) continue;
        if (!strokesChanged) first = e;
        strokesChanged = true;
        end = e + 1;
        if (e < before && !takeStroke(oldStrokes, e, box, width, height)) return {true, true, true, 0, 0, {}};
        if (e < after && !takeStroke(strokes, e, box, width, height)) return {true, true, true, 0, 0, {}};
    }
    const bool cellsChanged = takeCells(oldCells, cells, box);
    return {false, strokesChanged, cellsChanged, first, end, box.area()};
}

}  // namespace vemrik
