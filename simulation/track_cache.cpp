#include "simulation/track_cache.h"

namespace vemrik {

void TrackCache::restore(const ProgramState& s, Raster& image) {
    const Area changed = track_.update(s.StrokeList, s.MapGrid, image.width(), image.height());
    knownBefore_ = image_ == &image && image.version() == imageVersion_;
    imageBefore_ = image.version();
    changed_ = knownBefore_ ? enclosing(changed, dirty_) : Area{0, 0, image.width(), image.height()};
    track_.copyTo(image, changed_);
}

void TrackCache::drawnOver(const Raster& image, Area area) {
    image_ = &image;
    imageVersion_ = image.version();
    dirty_ = area;
    changed_ = enclosing(changed_, area);
}

bool TrackCache::changedOnlyIn(const Raster& image, std::uint64_t version, Area& area) const {
    if (!knownBefore_ || imageBefore_ != version || image_ != &image || image.version() != imageVersion_)
        return false;
    area = changed_;
    return true;
}

}  // namespace vemrik
