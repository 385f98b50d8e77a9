#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) && defined(__x86_64__)
#include <emmintrin.h>
#define VEMRIK_TURNED_SAMPLES_SSE2 1
#elif defined(__wasm_simd128__)
#include <wasm_simd128.h>
#define VEMRIK_TURNED_SAMPLES_WASM_SIMD 1
#endif

#include "engine/sensing.h"

namespace vemrik {

/// The most sensors a robot can have: one on every drawn cell of its board.
inline constexpr int kMostSensors = (kRobotCells - 1) * (kRobotCells - 1);

/// senseSamples for a run that senses at every step, over a track classified once. The sample
/// points are turned by the heading only when it changes (PoseTransform::turnedAll, the first
/// half of robotToMap for many points), and each pass moves them to the position (placeTurned,
/// the second half): the same pixels are read, so the result is exactly senseSamples'. When the robot lies
/// well within the image, the reads need no bounds checks and go four at a time, a sensor's points at once.
/// Holds its points in place: sensing allocates nothing.
class TurnedSamples {
public:
    /// For the points of `samples` (four per sensor), sensing on `sight`, whose pixels must stay
    /// where they are while this senses.
    TurnedSamples(const SensorSamples& samples, const SightView& sight);

    /// The pass at this pose.
    Sensed sense(float posX, float posY, float heading) {
        turnTo(heading);
        const double x = posX, y = posY;
        if (finite_ && x >= radius_ && y >= radius_ && x <= farX_ && y <= farY_)
            return senseOnImage(posX, posY);
        return senseAnywhere(posX, posY);
    }

private:
    /// Image sides up to which a pixel's coordinates fit 16 bits and its index 32.
    static constexpr int kMostOnImageSide = 32767;
    static constexpr std::size_t kMostPoints = 4 * kMostSensors;

    void turnTo(float heading) {
        std::uint32_t bits;
        std::memcpy(&bits, &heading, sizeof bits);
        if (turned_ && bits == headingBits_) return;
        turn(heading);
        headingBits_ = bits;
        turned_ = true;
    }
    void turn(float heading);

    /// With bounds checks and truncateToPixel, for a robot near or over the edge or a wild pose.
    Sensed senseAnywhere(float posX, float posY) const;

    /// Every point on the image, where truncateToPixel is the plain conversion.
    Sensed senseOnImage(float posX, float posY) const {
        static_assert(static_cast<unsigned>(Sight::Nothing) == 0 && static_cast<unsigned>(Sight::Line) == 1 &&
                      static_cast<unsigned>(Sight::Stop) == 2);
        static_assert(sizeof(Sight) == 1);
        const auto* data = reinterpret_cast<const unsigned char*>(sight_.data);
        unsigned pattern = 0, seen = 0;
#ifdef VEMRIK_TURNED_SAMPLES_SSE2
        const __m128 px = _mm_set1_ps(posX), py = _mm_set1_ps(posY);
        // x in the low and y in the high half of each lane, times 1 and the width, added: the index.
        const __m128i perRow =
            _mm_set1_epi32(static_cast<int>((static_cast<unsigned>(sight_.width) << 16) | 1u));
        for (int i = 0; i < count_; ++i) {
            const std::size_t first = 4 * static_cast<std::size_t>(i);
            const __m128i x = _mm_cvttps_epi32(_mm_add_ps(_mm_load_ps(&turnedX_[first]), px));
            const __m128i y = _mm_cvttps_epi32(_mm_add_ps(_mm_load_ps(&turnedY_[first]), py));
            const __m128i index = _mm_madd_epi16(_mm_or_si128(x, _mm_slli_epi32(y, 16)), perRow);
            const auto a = static_cast<std::uint64_t>(_mm_cvtsi128_si64(index));
            const auto b = static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(index, index)));
            const unsigned read =
                data[a & 0xffffffffu] | data[a >> 32] | data[b & 0xffffffffu] | data[b >> 32];
            pattern |= lineBits_[static_cast<std::size_t>(i)] & (0u - (read & 1u));
            seen |= read;
        }
#elif defined(VEMRIK_TURNED_SAMPLES_WASM_SIMD)
        // The page's module: the same four points at once. Every point lies at 0 or more and below
        // 2^15, so truncation is floor, and floor plus 2^23 leaves the integer in the low bits: the
        // saturating truncation costs V8 several instructions, these one each.
        const v128_t px = wasm_f32x4_splat(posX), py = wasm_f32x4_splat(posY);
        const v128_t lowBits = wasm_f32x4_splat(8388608.0f);
        const v128_t low16 = wasm_i32x4_splat(0xffff);
        const v128_t perRow =
            wasm_i32x4_splat(static_cast<int>((static_cast<unsigned>(sight_.width) << 16) | 1u));
        for (int i = 0; i < count_; ++i) {
            const std::size_t first = 4 * static_cast<std::size_t>(i);
            const v128_t x = wasm_f32x4_add(
                wasm_f32x4_floor(wasm_f32x4_add(wasm_v128_load(&turnedX_[first]), px)), lowBits);
            const v128_t y = wasm_f32x4_add(
                wasm_f32x4_floor(wasm_f32x4_add(wasm_v128_load(&turnedY_[first]), py)), lowBits);
            // x in the low and y in the high half of each lane, times 1 and the width, added: the index.
            const v128_t index =
                wasm_i32x4_dot_i16x8(wasm_v128_or(wasm_v128_and(x, low16), wasm_i32x4_shl(y, 16)), perRow);
            const unsigned read = data[static_cast<std::uint32_t>(wasm_i32x4_extract_lane(index, 0))] |
                                  data[static_cast<std::uint32_t>(wasm_i32x4_extract_lane(index, 1))] |
                                  data[static_cast<std::uint32_t>(wasm_i32x4_extract_lane(index, 2))] |
                                  data[static_cast<std::uint32_t>(wasm_i32x4_extract_lane(index, 3))];
            pattern |= lineBits_[static_cast<std::size_t>(i)] & (0u - (read & 1u));
            seen |= read;
        }
#else
        const auto width = static_cast<std::size_t>(sight_.width);
        for (int i = 0; i < count_; ++i) {
            unsigned read = 0;
            for (std::size_t k = 4 * static_cast<std::size_t>(i); k < 4 * static_cast<std::size_t>(i) + 4;
                 ++k) {
                const auto x = static_cast<std::size_t>(static_cast<int>(turnedX_[k] + posX));
                const auto y = static_cast<std::size_t>(static_cast<int>(turnedY_[k] + posY));
                read |= data[y * width + x];
            }
            pattern |= lineBits_[static_cast<std::size_t>(i)] & (0u - (read & 1u));
            seen |= read;
        }
#endif
        return {static_cast<int>(pattern), (seen & 2u) != 0};
    }

    SightView sight_;
    /// Sensors, each with four points.
    int count_ = 0;
    bool turned_ = false;
    std::uint32_t headingBits_ = 0;
    /// Whether there are points and the heading is finite, so that they lie within the radius.
    bool finite_ = false;
    /// More than the distance of any point from the reference point, turned or not; and the
    /// farthest position, on either axis, at which every point lies at least one pixel within
    /// the image (none when the image is too large for the reads four at a time).
    double radius_ = 0.0;
    double farX_ = -1.0;
    double farY_ = -1.0;
    /// The points in the robot's frame and turned by the heading, point 4i + k being corner k of
    /// sensor i; and the pattern bit of each sensor (0 past the eighth).
    alignas(16) std::array<float, kMostPoints> frameX_;
    alignas(16) std::array<float, kMostPoints> frameY_;
    alignas(16) std::array<float, kMostPoints> turnedX_;
    alignas(16) std::array<float, kMostPoints> turnedY_;
    std::array<unsigned, kMostSensors> lineBits_;
};

}  // namespace vemrik
