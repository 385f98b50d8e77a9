#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "algorithm/rule_text.h"
#include "app/program_state.h"
#include "simulation/rule_candidates.h"
#include "ui/controls.h"

namespace vemrik {

/// Pixels the robot moves forward in one step.
inline constexpr float kStepLength = 3.0f;

/// Turns the robot by candidate `choice` (no turn for a choice of `count` or none at all), moves
/// it 3 pixels along the new heading, logs heading, "XXX", x and y when a log is given, and
/// asks for a redraw. Returns the list index of the rule that acted, or kNoRule.
int applyStep(ProgramState& s, const Candidates& candidates, int choice, Memo* log);

/// One simulation step: the rules matching the current sensor states, one of them or no turn
/// drawn by random() % (count + 1), then the move. A matching rule whose angle is not a number
/// throws ConversionError before anything changes or is drawn. Allocates nothing. Returns the
/// list index of the rule that acted, or kNoRule.
template <class RandomFn>
int stepOnce(ProgramState& s, const std::vector<std::string>& rules, RandomFn&& random, Memo* log) {
    const ShortText pattern = sensorPattern(s.SensorStates);
    const Candidates candidates = collectCandidates(pattern.view(), rules);
    const std::uint32_t draw = random();
    return applyStep(s, candidates, static_cast<int>(draw % static_cast<std::uint32_t>(candidates.count + 1)),
                     log);
}

}  // namespace vemrik
