#pragma once

#include "track_import/grey_image.h"

namespace vemrik {

/// Clears every 8-connected group of on pixels smaller than minPixels: dust, grain and stray
/// marks in a photo that would otherwise become short strokes.
void dropSpecks(Mask& mask, int minPixels);

}  // namespace vemrik
