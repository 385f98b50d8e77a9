#pragma once

#include <cstdint>
#include <vector>

#include "race/race.h"
#include "raster/raster.h"
#include "simulation/simulation_view.h"

namespace vemrik {

/// The race's picture, the simulation page's size: the track as the map draws it, each entrant's
/// trail, robot and name in its colour. Kept between redraws: the track and the trails are drawn
/// once onto a layer, and each redraw puts back from it only what the last robots, names and the
/// trails' growth covered before drawing the robots over it.
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
    /// The image made equal to the layer where it was drawn over or the layer grew.
    void restoreShown();

    Raster layer_;
    Raster image_;
    std::uint64_t drawnVersion_ = 0;
    /// Per entrant, the steps whose trail points the layer holds.
    std::vector<int> drawnSteps_;
    /// Per entrant, the robot board cells drawn.
    std::vector<CellBox> cells_;
    /// Where the image can differ from the layer.
    std::vector<Area> shown_;
};

}  // namespace vemrik
