#include "engine/noise.h"

#include <algorithm>
#include <cmath>

namespace vemrik {

namespace {

constexpr double kTwoTo32 = 4294967296.0;
constexpr double kPi = 3.141592653589793;

}  // namespace

std::uint32_t noiseSeed(std::uint32_t runSeed) {
    // The golden-ratio offset keeps noise seed and run seed apart; the finaliser of MurmurHash3
    // spreads neighbouring run seeds (an evaluation's seeds are consecutive) over the whole range.
    std::uint32_t h = runSeed + 0x9E3779B9u;
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

NoiseDraws::NoiseDraws(const Noise& noise, std::uint32_t runSeed, int sensors)
    : engine_(noiseSeed(runSeed)), noise_(noise), sensors_(sensors) {
    // NaN fails every comparison: clamped to nothing.
    noise_.shift = noise.shift > 0.0 ? std::min(noise.shift, kMostShift) : 0.0;
    noise_.turn = noise.turn > 0.0 ? std::min(noise.turn, kMostTurn) : 0.0;
    const double p = noise.flip > 0.0 ? std::min(noise.flip, 1.0) : 0.0;
    flipBelow_ = static_cast<std::uint64_t>(std::ceil(p * kTwoTo32));
}

double NoiseDraws::unit() { return static_cast<double>(engine_()) / kTwoTo32; }

void NoiseDraws::moveStart(float& x, float& y, float& heading) {
    if (noise_.shift > 0.0) {
        // The square root spreads the points evenly over the disc's area, not crowded at its centre.
        const double r = noise_.shift * std::sqrt(unit());
        const double angle = 2.0 * kPi * unit();
        x = static_cast<float>(x + r * std::cos(angle));
        y = static_cast<float>(y + r * std::sin(angle));
    }
    if (noise_.turn > 0.0) heading = static_cast<float>(heading + noise_.turn * (2.0 * unit() - 1.0));
}

}  // namespace vemrik
