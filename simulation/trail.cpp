#include "simulation/trail.h"

#include "simulation/pose.h"

namespace vemrik {

void Trail::step(float fromX, float fromY, float toX, float toY) {
    const bool joined = size_ > 0 && point(size_ - 1).x == fromX && point(size_ - 1).y == fromY;
    if (!joined) add({fromX, fromY, true});
    add({toX, toY, false});
}

void Trail::clear() {
    head_ = 0;
    size_ = 0;
}

const TrailPoint& Trail::point(std::size_t i) const { return ring_[(head_ + i) % ring_.size()]; }

void Trail::add(TrailPoint p) {
    if (ring_.empty()) ring_.resize(kTrailBound);
    if (size_ < ring_.size()) {
        ring_[(head_ + size_) % ring_.size()] = p;
        ++size_;
        return;
    }
    ring_[head_] = p;
    head_ = (head_ + 1) % ring_.size();
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
