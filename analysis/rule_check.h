#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/rule_reading.h"

namespace vemrik {

/// A set of sensor patterns: every pattern that equals `bits` on the slots of `fixed`.
struct PatternCube {
    int fixed = 0;
    int bits = 0;
    /// How many patterns the cube holds among those of a robot with `sensors` states.
    int size(int sensors) const;
    friend bool operator==(const PatternCube&, const PatternCube&) = default;
};

/// One thing the rule check found.
struct Finding {
    enum Kind {
        /// A step at the line's pattern fails on its angle.
        BadAngle,
        /// The line can never act; `fate` says why.
        NeverActs,
        /// The robot can give the patterns of `cube` and no line has them: it goes straight on.
        NoRule,
        /// The line repeats the angle of `earlier[0]` at the same pattern.
        Repeated,
        /// In a trial run with `seed` the robot's body was over a stop cell after `steps` steps and
        /// none of its sensors touched it.
        UnseenStop,
    };
    Kind kind = BadAngle;
    /// The line's index in the list; -1 for NoRule.
    int line = -1;
    LineFate fate = LineFate::Acts;
    /// MissingSensor: the first sensor the robot lacks that the line wants on.
    int sensor = -1;
    /// Crowded: the four lines that take the pattern's draw; Repeated: the first line of the angle.
    std::array<int, kMaxCandidates> earlier{-1, -1, -1, -1};
    PatternCube cube;
    /// UnseenStop: the trial run's seed and the steps made when the robot was over the stop.
    std::uint32_t seed = 0;
    int steps = 0;
    /// Repeated: the angle's share of the draw with the line and without it, and going straight
    /// on with and without it.
    Chance with, without, straightWith, straightWithout;
};

/// Everything worth saying about a rule list for a robot with `sensors` sensor states (0 to 8):
/// failing angles first, then lines that never act, patterns without a rule, repeated angles;
/// each kind in list (or pattern) order. Never throws.
std::vector<Finding> checkRules(const std::vector<std::string>& rules, int sensors);

/// The patterns with no line among those the robot can give, as few cubes as is easy: each one
/// grown from its smallest pattern not yet listed, as far as it stays in the set.
std::vector<PatternCube> uncoveredCubes(const std::vector<LineReading>& lines, int sensors);

}  // namespace vemrik
