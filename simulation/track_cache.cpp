#include "simulation/track_cache.h"

namespace vemrik {

const Raster& TrackCache::layer(const ProgramState& s, int width, int height) {
    updated_ = enclosing(updated_, track_.update(s.StrokeList, s.MapGrid, width, height));
    return track_.raster();
}

void TrackCache::restore(const ProgramState& s, Raster& image) {
    const Area changed =
        enclosing(updated_, track_.update(s.StrokeList, s.MapGrid, image.width(), image.height()));
    updated_ = {0, 0, 0, 0};
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
