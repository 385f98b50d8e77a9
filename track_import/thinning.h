#pragma once

#include "track_import/grey_image.h"

namespace vemrik {

/// Thins the on areas to lines one pixel wide along their middle, keeping each area connected
/// and each loop a loop (Zhang and Suen's two-pass thinning).
void thin(Mask& mask);

}  // namespace vemrik
