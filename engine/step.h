#pragma once

#include <cmath>
#include <cstdint>

#include "app/memo.h"
#include "app/program_state.h"
#include "engine/rule_candidates.h"

namespace vemrik {

/// Pixels the robot moves forward in one step.
inline constexpr float kStepLength = 3.0f;

/// Where one step leads: the new heading and position, and the rule that acted or kNoRule.
struct NextPose {
    float heading = 0.0f;
    float x = 0.0f;
    float y = 0.0f;
    int rule = kNoRule;
};

/// The pose after turning by candidate `choice` (no turn for a choice of `count` or none at all)
/// and moving 3 pixels along the new heading; changes nothing.
NextPose nextPose(const ProgramState& s, const Candidates& candidates, int choice);

/// Whether heading and position are all finite numbers.
inline bool isFinite(const NextPose& p) {
    return std::isfinite(p.heading) && std::isfinite(p.x) && std::isfinite(p.y);
}

/// Appends the step's four log lines: heading, "XXX", x and y.
void logStep(Memo& log, const NextPose& p);

/// Puts the robot at `p`, logs the step when a log is given, asks for a redraw.
inline void moveTo(ProgramState& s, const NextPose& p, Memo* log) {
    if (log) logStep(*log, p);
    s.RobotHeading = p.heading;
    s.RobotPosX = p.x;
    s.RobotPosY = p.y;
    s.RedrawPending = 1;
}

/// nextPose, then moveTo. Throws NonFiniteStepError, with nothing changed, when the heading or
/// position would stop being a finite number. Returns the list index of the rule that acted, or
/// kNoRule.
int applyStep(ProgramState& s, const Candidates& candidates, int choice, Memo* log);

/// The candidate a draw picks: slot draw % (count + 1), where slot count is going straight on.
inline int choiceOf(const Candidates& candidates, std::uint32_t draw) {
    return static_cast<int>(draw % static_cast<std::uint32_t>(candidates.count + 1));
}

/// One step with these candidates: one of them or no turn drawn, then the move. Throws
/// NonFiniteStepError, with nothing changed, when the pose would stop being finite. Returns the
/// list index of the rule that acted, or kNoRule.
inline int stepWith(ProgramState& s, const Candidates& candidates, std::uint32_t draw, Memo* log) {
    return applyStep(s, candidates, choiceOf(candidates, draw), log);
}

}  // namespace vemrik
