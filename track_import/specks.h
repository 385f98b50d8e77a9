#pragma once

#include "track_import/grey_image.h"

namespace vemrik {

/// Clears every 8-connected group of on pixels smaller than minPixels, then fills every such
/// group of off pixels: dust and stray marks on the floor, glints and pores in the tape, which
/// would otherwise become short strokes or little loops round them.
void dropSpecks(Mask& mask, int minPixels);

/// Sets each pixel to what most of the nine pixels around and under it are, once: the edge's
/// one-pixel teeth go, so thinning grows no whisker from them. A pixel whose neighbours would
/// part without it stays, so a line one or two pixels wide keeps its whole course.
void smoothEdges(Mask& mask);

}  // namespace vemrik
