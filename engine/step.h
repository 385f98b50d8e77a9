#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>
#include <cstring>

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

/// The robot's pose under the program state's names: all a run without a window keeps of it.
struct RobotPose {
    float RobotPosX = 0.0f;
    float RobotPosY = 0.0f;
    float RobotHeading = 0.0f;
};

/// A pose a step reads and writes: the program state or a RobotPose.
template <class P>
concept StepPose = requires(P& p) {
    { p.RobotPosX } -> std::same_as<float&>;
    { p.RobotPosY } -> std::same_as<float&>;
    { p.RobotHeading } -> std::same_as<float&>;
};

/// The move of one step along a heading: 3 pixels, each axis rounded to single.
struct Stride {
    float dx = 0.0f;
    float dy = 0.0f;
};

/// The stride along `heading` (degrees, 0 up the screen), a sine and a cosine in double.
Stride strideAlong(float heading);

/// The stride of the last heading asked for, worked out again only when the heading changes:
/// between turns a run asks for the same heading at every step.
class StrideCache {
public:
    const Stride& along(float heading) {
        std::uint32_t bits;
        std::memcpy(&bits, &heading, sizeof bits);
        if (!valid_ || bits != bits_) {
            stride_ = strideAlong(heading);
            bits_ = bits;
            valid_ = true;
        }
        return stride_;
    }

private:
    Stride stride_;
    std::uint32_t bits_ = 0;
    bool valid_ = false;
};

/// The heading after turning by candidate `choice` (no turn for a choice of `count` or none at
/// all) and the rule that acted; the position is left at 0.
template <StepPose P>
NextPose turnBy(const P& s, const Candidates& candidates, int choice) {
    NextPose p;
    p.heading = s.RobotHeading;
    // Slot `count` holds 0, so choosing it, like choosing with no candidates, keeps the heading.
    if (choice >= 0 && choice < candidates.count) {
        p.heading = s.RobotHeading + candidates.angles[static_cast<std::size_t>(choice)];
        p.rule = candidates.lines[static_cast<std::size_t>(choice)];
    }
    return p;
}

/// The pose after turning by candidate `choice` and moving 3 pixels along the new heading;
/// changes nothing.
template <StepPose P>
NextPose nextPose(const P& s, const Candidates& candidates, int choice) {
    NextPose p = turnBy(s, candidates, choice);
    const Stride d = strideAlong(p.heading);
    p.x = s.RobotPosX + d.dx;
    p.y = s.RobotPosY + d.dy;
    return p;
}

/// nextPose with the stride taken from a cache.
template <StepPose P>
NextPose nextPose(const P& s, const Candidates& candidates, int choice, StrideCache& strides) {
    NextPose p = turnBy(s, candidates, choice);
    const Stride& d = strides.along(p.heading);
    p.x = s.RobotPosX + d.dx;
    p.y = s.RobotPosY + d.dy;
    return p;
}

/// Whether heading and position are all finite numbers.
inline bool isFinite(const NextPose& p) {
    return std::isfinite(p.heading) && std::isfinite(p.x) && std::isfinite(p.y);
}

/// Appends the step's four log lines: heading, "XXX", x and y.
void logStep(Memo& log, const NextPose& p);

/// Puts the robot at `p`, logs the step when a log is given.
template <StepPose P>
void moveTo(P& s, const NextPose& p, Memo* log) {
    if (log) logStep(*log, p);
    s.RobotHeading = p.heading;
    s.RobotPosX = p.x;
    s.RobotPosY = p.y;
}

/// The candidate a draw picks: slot draw % (count + 1), where slot count is going straight on.
inline int choiceOf(const Candidates& candidates, std::uint32_t draw) {
    return static_cast<int>(draw % static_cast<std::uint32_t>(candidates.count + 1));
}

}  // namespace vemrik
