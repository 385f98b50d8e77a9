#pragma once

#include <cstdint>
#include <vector>

#include "race/race.h"
#include "raster/raster.h"

namespace vemrik {

/// The race's picture, the simulation page's size: the track as the map draws it, each entrant's
/// trail, robot and name in its colour. Kept between redraws: the track and the trails are drawn
/// once onto a layer and each redraw copies it and draws the robots over it.
class RaceImage {
public:
    RaceImage();
    /// The picture of the race now.
    const Raster& draw(const Race& race);
    const Raster& image() const { return image_; }

private:
    /// The track and every trail painted anew.
    void paintLayer(const Race& race);
    /// The trail points made since the last redraw added to the layer.
    void extendTrails(const Race& race);

    Raster layer_;
    Raster image_;
    std::uint64_t drawnVersion_ = 0;
    /// Per entrant, the steps whose trail points the layer holds.
    std::vector<int> drawnSteps_;
};

}  // namespace vemrik
