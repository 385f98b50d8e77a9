#include "robot/pose.h"

#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vemrik {

float degreesToRadians(float degrees) {
    return static_cast<float>(static_cast<double>(degrees) * 3.141592653589793 * (1.0 / 180.0));
}

PoseTransform::PoseTransform(float posX, float posY, float headingDegrees) : posX_(posX), posY_(posY) {
    // One argument reduction for both (the C library's sincos), as GCC already makes of a sine
    // and cosine of one angle; the page's libm computes each the same way alone or paired.
    ::sincos(static_cast<double>(degreesToRadians(headingDegrees)), &sin_, &cos_);
}

void PoseTransform::turnedAll(const float* x, const float* y, float* turnedX, float* turnedY,
                              std::size_t n) const {
    std::size_t i = 0;
#if defined(__SSE2__)
    // The products, difference and sum of turned(), in double, two points at a time.
    const __m128d c = _mm_set1_pd(cos_), s = _mm_set1_pd(sin_);
    const auto two = [](const float* p) {
        return _mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p))));
    };
    const auto put = [](float* p, __m128 v) {
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_castps_si128(v));
    };
    for (; i + 2 <= n; i += 2) {
        const __m128d px = two(x + i), py = two(y + i);
        put(turnedX + i, _mm_cvtpd_ps(_mm_sub_pd(_mm_mul_pd(c, px), _mm_mul_pd(s, py))));
        put(turnedY + i, _mm_cvtpd_ps(_mm_add_pd(_mm_mul_pd(s, px), _mm_mul_pd(c, py))));
    }
#endif
    for (; i < n; ++i) {
        const FramePoint t = turned({x[i], y[i]});
        turnedX[i] = t.x;
        turnedY[i] = t.y;
    }
}

}  // namespace vemrik
