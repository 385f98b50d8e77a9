#pragma once

#include "track_import/grey_image.h"

namespace vemrik {

/// Cuts the whiskers of a skeleton, branches of up to `length` pixels from a junction to a free
/// end, which thinning grows from every bump of a ragged edge. Every line's free ends are first
/// worn back by `length` pixels and then grown again along the skeleton from what is left, so a
/// line keeps its full length while a whisker, which has nothing left to grow from, stays cut.
/// Loops have no free ends and stay as they are; a piece worn away completely (a dot, a short
/// dash) comes back whole.
void pruneWhiskers(Mask& skeleton, int length);

}  // namespace vemrik
