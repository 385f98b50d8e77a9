#pragma once

namespace vemrik {

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
};

}  // namespace vemrik
