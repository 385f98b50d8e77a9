#include "engine/turned_samples.h"

#include <algorithm>
#include <cmath>

namespace vemrik {

TurnedSamples::TurnedSamples(const SensorSamples& samples, const SightView& sight)
    : sight_(sight), count_(std::min(static_cast<int>(samples.points().size() / 4), kMostSensors)) {
    double farthest = 0.0;
    for (std::size_t k = 0; k < 4 * static_cast<std::size_t>(count_); ++k) {
        const SamplePoint& p = samples.points()[k];
        frameX_[k] = p.point.x;
        frameY_[k] = p.point.y;
        farthest =
            std::max(farthest, std::hypot(static_cast<double>(p.point.x), static_cast<double>(p.point.y)));
        // The four points of a sensor share its slot.
        if (k % 4 == 0) lineBits_[k / 4] = p.slot >= 0 ? 1u << p.slot : 0u;
    }
    // Turning keeps the distance up to a few units in the last place of the single it is
    // rounded to; one pixel more covers that many times over.
    radius_ = farthest + 1.0;
    // So a point turned and moved stays below width - 1 before rounding, and below width after.
    if (sight.width <= kMostOnImageSide && sight.height <= kMostOnImageSide) {
        farX_ = sight.width - 1 - radius_;
        farY_ = sight.height - 1 - radius_;
    }
}

void TurnedSamples::turn(float heading) {
    const std::size_t n = 4 * static_cast<std::size_t>(count_);
    PoseTransform(0.0f, 0.0f, heading)
        .turnedAll(frameX_.data(), frameY_.data(), turnedX_.data(), turnedY_.data(), n);
    // A finite heading turns by a sine and a cosine within [-1, 1]: no point leaves the radius.
    finite_ = count_ > 0 && std::isfinite(heading);
}

Sensed TurnedSamples::senseAnywhere(float posX, float posY) const {
    Sensed r;
    for (std::size_t k = 0; k < 4 * static_cast<std::size_t>(count_); ++k) {
        const Pixel px = PoseTransform::placeTurned({turnedX_[k], turnedY_[k]}, posX, posY);
        const Sight seen = sight_.at(px.x, px.y);
        if (seen == Sight::Line) r.pattern |= static_cast<int>(lineBits_[k / 4]);
        if (seen == Sight::Stop) r.stop = true;
    }
    return r;
}

}  // namespace vemrik
