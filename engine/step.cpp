#include "engine/step.h"

#include <cmath>

#include "app/number_text.h"

namespace vemrik {

namespace {

// Heading 0 points up the screen, angle 0 of sine and cosine to the right.
constexpr double kHeadingOffset = 90.0;
constexpr double kPi = 3.141592653589793;

}  // namespace

Stride strideAlong(float heading) {
    const float theta =
        static_cast<float>((static_cast<double>(heading) - kHeadingOffset) * kPi * (1.0 / 180.0));
    // Paired for one argument reduction, as in PoseTransform.
    double sine = 0.0, cosine = 0.0;
    ::sincos(static_cast<double>(theta), &sine, &cosine);
    return {static_cast<float>(kStepLength * cosine), static_cast<float>(kStepLength * sine)};
}

void logStep(Memo& log, const NextPose& p) {
    log.append(FloatToStr(p.heading));
    log.append("XXX");
    log.append(FloatToStr(p.x));
    log.append(FloatToStr(p.y));
}

}  // namespace vemrik
