#pragma once

#include <array>
#include <cstdint>

#include "app/grid.h"
#include "app/program_state.h"
#include "raster/raster.h"

namespace vemrik {

/// The robot board as outlines (2-pixel pen) turned clockwise by angleDegrees about board pixel
/// (100, 100), with a red mark on every sensor, also beyond the eighth.
void drawTurnedRobot(Raster& image, const Grid& robot, int angleDegrees);

/// The first eight sensors in sensor order as squares, green for a set state and red otherwise,
/// over a dot lattice; returns how many were drawn (at most 8).
std::int32_t drawSensorStates(Raster& image, const Grid& robot,
                              const std::array<std::int32_t, kSensorSlots>& states);

}  // namespace vemrik
