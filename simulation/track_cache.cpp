#include "simulation/track_cache.h"

namespace vemrik {

void TrackCache::update(const Engine& engine, int width, int height) {
    const ProgramState& s = engine.state();
    updated_ =
        enclosing(updated_, track_.update(s.StrokeList, s.MapGrid, engine.trackVersion(), width, height));
}

const Raster& TrackCache::layer(const Engine& engine, int width, int height) {
    update(engine, width, height);
    return track_.raster();
}

void TrackCache::restore(const Engine& engine, Raster& image) {
    update(engine, image.width(), image.height());
    const Area changed = updated_;
    updated_ = {0, 0, 0, 0};
    knownBefore_ = image.identity() == imageIdentity_ && image.version() == imageVersion_;
    imageBefore_ = image.version();
    changed_ = knownBefore_ ? enclosing(changed, dirty_) : Area{0, 0, image.width(), image.height()};
    track_.copyTo(image, changed_);
}

void TrackCache::drawnOver(const Raster& image, Area area) {
    imageIdentity_ = image.identity();
    imageVersion_ = image.version();
    dirty_ = area;
    changed_ = enclosing(changed_, area);
}

bool TrackCache::changedOnlyIn(const Raster& image, std::uint64_t version, Area& area) const {
    if (!knownBefore_ || imageBefore_ != version || image.identity() != imageIdentity_ ||
        image.version() != imageVersion_)
        return false;
    area = changed_;
    return true;
}

}  // namespace vemrik
