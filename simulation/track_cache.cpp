#include "simulation/track_cache.h"

#include "simulation/simulation_view.h"

namespace vemrik {

bool TrackCache::holds(const ProgramState& s, const Raster& image) const {
    return painted_ && track_.width() == image.width() && track_.height() == image.height() &&
           strokes_ == s.StrokeList && cells_ == s.MapGrid;
}

void TrackCache::restore(const ProgramState& s, Raster& image) {
    if (holds(s, image)) {
        if (image_ == &image && image.version() == imageVersion_)
            image.copyFrom(track_, dirty_);
        else
            image.copyFrom(track_);
        return;
    }
    // Painted straight into the image, so a failure leaves it as a redraw without a cache would.
    painted_ = false;
    paintTrack(s, image);
    track_.copyFrom(image);
    // Assignment keeps the storage of equal shapes: a changed cell costs no allocation.
    strokes_ = s.StrokeList;
    cells_ = s.MapGrid;
    painted_ = true;
}

void TrackCache::drawnOver(const Raster& image, Area area) {
    image_ = &image;
    imageVersion_ = image.version();
    dirty_ = area;
}

}  // namespace vemrik
