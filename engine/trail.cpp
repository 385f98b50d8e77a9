#include "engine/trail.h"

#include "robot/pose.h"

namespace vemrik {

void Trail::step(float fromX, float fromY, float toX, float toY) {
    const std::size_t n = size();
    const bool joined = n > 0 && point(n - 1).x == fromX && point(n - 1).y == fromY;
    if (!joined) points_.push({fromX, fromY, true});
    points_.push({toX, toY, false});
}

}  // namespace vemrik
