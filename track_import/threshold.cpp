#include "track_import/threshold.h"

#include <array>

namespace vemrik {

int otsuThreshold(const GreyImage& image) {
    std::array<double, 256> histogram{};
    for (const std::uint8_t v : image.pixels) histogram[v] += 1;
    const double total = static_cast<double>(image.pixels.size());
    double sumAll = 0;
    for (int v = 0; v < 256; ++v) sumAll += v * histogram[static_cast<std::size_t>(v)];
    double below = 0, sumBelow = 0, best = 0;
    int threshold = 127;
    for (int t = 0; t < 255; ++t) {
        below += histogram[static_cast<std::size_t>(t)];
        sumBelow += t * histogram[static_cast<std::size_t>(t)];
        const double above = total - below;
        if (below == 0 || above == 0) continue;
        const double meanDiff = sumBelow / below - (sumAll - sumBelow) / above;
        const double between = below * above * meanDiff * meanDiff;
        if (between > best) {
            best = between;
            threshold = t;
        }
    }
    return threshold;
}

Mask binarise(const GreyImage& image, int threshold, bool invert) {
    Mask mask(image.width, image.height);
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        mask.on[i] = ((image.pixels[i] <= threshold) != invert) ? 1 : 0;
    return mask;
}

}  // namespace vemrik
