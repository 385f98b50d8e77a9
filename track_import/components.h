#pragma once

#include <cstddef>
#include <vector>

#include "track_import/grey_image.h"

namespace vemrik {

/// The groups of touching pixels of one value, each as its pixels' indices. On pixels touch
/// across corners too, off pixels only across sides: a gap between two diagonal on pixels lets
/// no hole out, just as thinning sees it.
std::vector<std::vector<std::size_t>> components(const Mask& mask, bool value);

}  // namespace vemrik
