#pragma once

#include <cstdint>

#include "app/memo.h"
#include "app/program_state.h"
#include "simulation/rule_candidates.h"

namespace vemrik {

/// Pixels the robot moves forward in one step.
inline constexpr float kStepLength = 3.0f;

/// Turns the robot by candidate `choice` (no turn for a choice of `count` or none at all), moves
/// it 3 pixels along the new heading, logs heading, "XXX", x and y when a log is given, and
/// asks for a redraw. Returns the list index of the rule that acted, or kNoRule.
int applyStep(ProgramState& s, const Candidates& candidates, int choice, Memo* log);

/// One step with these candidates: one of them or no turn drawn by draw % (count + 1), then
/// the move. Returns the list index of the rule that acted, or kNoRule.
inline int stepWith(ProgramState& s, const Candidates& candidates, std::uint32_t draw, Memo* log) {
    return applyStep(s, candidates, static_cast<int>(draw % static_cast<std::uint32_t>(candidates.count + 1)),
                     log);
}

}  // namespace vemrik
