#pragma once

#include <vector>

#include "engine/line_reading.h"
#include "engine/rule_candidates.h"
#include "engine/rule_table.h"

namespace vemrik {

/// Why a line can or cannot act, for a robot with `sensors` sensor states.
enum class LineFate {
    Acts,
    /// Its first 16 characters are no sensor pattern.
    NoPattern,
    /// A 1 for a sensor the robot lacks.
    MissingSensor,
    /// Four earlier lines have its pattern.
    Crowded,
    /// A step at its pattern reads its angle and fails.
    BadAngle,
};

/// Whether the robot's sensing can give this pattern: nothing on for a slot past `sensors`.
inline bool reachable(int pattern, int sensors) { return (pattern >> sensors) == 0; }

/// The fate of one read line; the first reason that applies, in the order of LineFate.
LineFate fateOf(const LineReading& line, int sensors);

/// A share of the draw, numerator over denominator, in lowest terms.
struct Chance {
    int num = 0;
    int den = 1;
    friend bool operator==(const Chance&, const Chance&) = default;
};

/// num / den in lowest terms.
Chance chance(int num, int den);

/// What the next step does at one sensor pattern.
struct PatternOdds {
    /// Every line of the pattern, in list order; the first `candidates` of them may act.
    std::vector<int> lines;
    /// Lines that take part in the draw: at most kMaxCandidates.
    int candidates = 0;
    /// The first of them whose angle cannot be read, so the step fails; -1 when none.
    int fault = -1;

    /// The chance of each candidate and of going straight on: 1 / (candidates + 1).
    Chance each() const { return chance(1, candidates + 1); }
    /// Takes in the next line of the pattern, in list order.
    void add(int line, const LineReading& reading);
};

/// The odds at `pattern` over a read list.
PatternOdds oddsAt(const std::vector<LineReading>& lines, int pattern);

}  // namespace vemrik
