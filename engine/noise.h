#pragma once

#include <cstdint>
#include <random>

namespace vemrik {

/// The largest shift and turn a run takes: past them the start lies off the map anyway, or turns
/// round more than once, and far larger numbers would carry the pose out of the float range.
inline constexpr double kMostShift = 10000.0;
inline constexpr double kMostTurn = 360.0;

/// How imperfect the robot of a headless run is. Everything is drawn from the run's seed, so a
/// noisy run repeats exactly; with no noise a run is exactly the window's.
struct Noise {
    /// The chance that one sensor reading comes out flipped, 0 to 1.
    double flip = 0.0;
    /// The largest shift of the start position, in pixels, in any direction.
    double shift = 0.0;
    /// The largest change of the start heading, in degrees, either way.
    double turn = 0.0;

    bool any() const { return flip > 0.0 || shift > 0.0 || turn > 0.0; }
    /// Every amount multiplied by `level`: a sweep's noise at that level.
    Noise scaled(double level) const { return {flip * level, shift * level, turn * level}; }
};

/// The seed of a run's noise: the run's seed through a fixed bijective mix, so the noise is a
/// stream of its own (the rule draws stay as they are without noise) and no two run seeds share it.
std::uint32_t noiseSeed(std::uint32_t runSeed);

/// The noise of one run, drawn from its own generator. Allocates nothing.
class NoiseDraws {
public:
    /// `sensors` is the number of sensors that have a state: the low bits of a pattern.
    NoiseDraws(const Noise& noise, std::uint32_t runSeed, int sensors);

    /// The start pose moved by a point drawn uniformly from the disc of radius `shift` and
    /// turned by an angle drawn uniformly from [-turn, turn] degrees, each amount held within
    /// [0, kMostShift] and [0, kMostTurn]. Draws nothing for a zero amount.
    void moveStart(float& x, float& y, float& heading);

    /// The pattern with each sensor's bit flipped with the chance `flip`: one draw per sensor, none
    /// at all when flip is 0. Only the sensor states flip; the stop is another signal and stays.
    int flipped(int pattern) {
        if (flipBelow_ == 0) return pattern;
        for (int k = 0; k < sensors_; ++k)
            if (engine_() < flipBelow_) pattern ^= 1 << k;
        return pattern;
    }

private:
    /// A uniform number in [0, 1) from one draw.
    double unit();

    std::mt19937 engine_;
    Noise noise_;
    /// A draw below this flips a reading: flip * 2^32, so a flip of 1 flips every one.
    std::uint64_t flipBelow_ = 0;
    int sensors_ = 0;
};

}  // namespace vemrik
