#include "simulation/trail.h"

#include "simulation/pose.h"

namespace vemrik {

void Trail::step(float fromX, float fromY, float toX, float toY) {
    const std::size_t n = size();
    const bool joined = n > 0 && point(n - 1).x == fromX && point(n - 1).y == fromY;
    if (!joined) points_.push({fromX, fromY, true});
    points_.push({toX, toY, false});
}

void drawTrail(const Trail& trail, Raster& image) {
    const Colour pen = image.penColour();
    const int width = image.penWidth();
    image.setPenColour(kTrailColour);
    image.setPenWidth(0);
    for (std::size_t i = 0; i < trail.size(); ++i) {
        const TrailPoint& p = trail.point(i);
        const int x = truncateToPixel(p.x), y = truncateToPixel(p.y);
        // The oldest kept point begins a piece even if its predecessor was dropped.
        if (i == 0 || p.startsPiece)
            image.moveTo(x, y);
        else
            image.lineTo(x, y);
        // A line stops short of its end point; the point itself is the trail's too.
        image.setPixel(x, y, kTrailColour);
    }
    image.setPenColour(pen);
    image.setPenWidth(width);
}

}  // namespace vemrik
