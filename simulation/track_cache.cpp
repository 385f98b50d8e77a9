#include "simulation/track_cache.h"

#include "simulation/simulation_view.h"

namespace vemrik {

void TrackCache::restore(const ProgramState& s, Raster& image) {
    if (image_ == &image && image.version() == imageVersion_ && track_.holds(s.StrokeList, s.MapGrid, image))
        image.copyFrom(track_.kept(), dirty_);
    else
        track_.paint(s.StrokeList, s.MapGrid, image);
}

void TrackCache::drawnOver(const Raster& image, Area area) {
    image_ = &image;
    imageVersion_ = image.version();
    dirty_ = area;
}

}  // namespace vemrik
