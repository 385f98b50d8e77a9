#include "simulation/track_cache.h"

namespace vemrik {

void TrackCache::restore(const ProgramState& s, Raster& image) {
    const Area changed = track_.update(s.StrokeList, s.MapGrid, image.width(), image.height());
    const bool known = image_ == &image && image.version() == imageVersion_;
    track_.copyTo(image, known ? enclosing(changed, dirty_) : Area{0, 0, image.width(), image.height()});
}

void TrackCache::drawnOver(const Raster& image, Area area) {
    image_ = &image;
    imageVersion_ = image.version();
    dirty_ = area;
}

}  // namespace vemrik
