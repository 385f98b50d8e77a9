#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "map/track_layer.h"
#include "raster/raster.h"

namespace vemrik {

/// A page's track layer (field, strokes, cells) kept between redraws, with the version of the
/// engine's track it was painted from, so a redraw paints the track only after an edit and only
/// where it changed. It also remembers the one image it last handed the track to (its identity
/// and version) and where that image was drawn on since, so the next redraw puts back only that
/// area and what the edit changed. Every pixel comes out as a full repaint would leave it, as
/// long as every edit of the track moved its version; an image touched by anything else (its
/// version moved on) gets the whole track again.
class TrackCache {
public:
    explicit TrackCache(TrackField field = TrackField::kPlain) : track_(field) {}

    /// The engine's track layer at this size, brought up to date; what the sensors read.
    const Raster& layer(const Engine& engine, int width, int height);
    /// Makes image hold the engine's track layer, pixels and drawing state as a repaint leaves
    /// them.
    void restore(const Engine& engine, Raster& image);
    /// Records that image now holds the track with drawing only inside the area.
    void drawnOver(const Raster& image, Area area);
    /// Whether image, as it is now, can differ from itself at version only inside area: true when
    /// the last restore worked from that version and only it and drawnOver drew since.
    bool changedOnlyIn(const Raster& image, std::uint64_t version, Area& area) const;

private:
    /// The layer brought up to the engine's track; where it changed gathered for the restore.
    void update(const Engine& engine, int width, int height);

    TrackLayer track_;
    std::uint64_t imageIdentity_ = 0;  // the image handed the track last; 0 is no raster's
    std::uint64_t imageVersion_ = 0;
    Area dirty_{0, 0, 0, 0};
    bool knownBefore_ = false;  // the last restore put the track into the image of imageBefore_
    std::uint64_t imageBefore_ = 0;
    Area changed_{0, 0, 0, 0};  // where the image can differ from it since
    Area updated_{0, 0, 0, 0};  // where the layer changed since the last restore
};

}  // namespace vemrik
