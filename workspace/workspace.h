#pragma once

#include <string>
#include <vector>

#include "app/grid.h"

namespace vemrik {

/// What a workspace file holds: the two boards, the brush segments, the rule lines in order and
/// the positions of both track bars. A default workspace is the program right after start-up.
struct Workspace {
    Workspace();

    Grid robot;                      ///< 21 × 21, [column][row], codes 0, 1, 3, 4, 5
    Grid map;                        ///< 71 × 41, [column][row], codes 0, 1, 4, 5
    Grid strokes;                    ///< one entry of four integers [x0, y0, x1, y1] per segment
    std::vector<std::string> rules;  ///< the lines of the rule list, first to last
    int ruleAngle = 0;               ///< the angle of the rule being written, "Algorytm"
    int startHeading = 0;            ///< the start heading, "Symulacja"

    bool operator==(const Workspace&) const = default;
};

}  // namespace vemrik
