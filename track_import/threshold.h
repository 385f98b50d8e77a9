#pragma once

#include "track_import/grey_image.h"

namespace vemrik {

/// Otsu's threshold: the brightness t that best splits the picture into pixels <= t and > t
/// (largest variance between the two classes). A picture of one brightness gives 127.
int otsuThreshold(const GreyImage& image);

/// The dark pixels (brightness <= threshold) as the mask; inverted, the light ones, for a light
/// line on a dark floor.
Mask binarise(const GreyImage& image, int threshold, bool invert);

}  // namespace vemrik
