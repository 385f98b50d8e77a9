#pragma once

#include <cstddef>

#include "app/ring.h"

namespace vemrik {

/// Most points a trail keeps; the oldest go first. 20,000 steps of 3 pixels are some twenty laps
/// of a track that fills the map.
inline constexpr std::size_t kTrailBound = 20000;

/// A point of the trail; `startsPiece` when the robot got there by something other than a step
/// (the start placement, a loaded file), so no line joins it to the point before.
struct TrailPoint {
    float x;
    float y;
    bool startsPiece;
};

/// The path of the robot's reference point, the newest kTrailBound points. Allocates its whole
/// store on the first point and never again.
class Trail {
public:
    /// Continues the trail to (toX, toY) from (fromX, fromY), where a step began: a new piece
    /// starts there unless the trail already ends at that point.
    void step(float fromX, float fromY, float toX, float toY);
    void clear() { points_.clear(); }

    std::size_t size() const { return points_.size(); }
    /// Kept point i, 0 the oldest.
    const TrailPoint& point(std::size_t i) const { return points_[i]; }

private:
    Ring<TrailPoint> points_{kTrailBound};
};

}  // namespace vemrik
