#include "simulation/step.h"

#include <cmath>

#include "app/number_text.h"

namespace vemrik {

namespace {

// Heading 0 points up the screen, angle 0 of sine and cosine to the right.
constexpr double kHeadingOffset = 90.0;
constexpr double kPi = 3.141592653589793;

}  // namespace

int applyStep(ProgramState& s, const Candidates& candidates, int choice, Memo* log) {
    // Slot `count` holds 0, so choosing it, like choosing with no candidates, keeps the heading.
    const bool chosen = choice >= 0 && choice < candidates.count;
    if (chosen) s.RobotHeading = s.RobotHeading + candidates.angles[static_cast<std::size_t>(choice)];
    if (log) log->append(FloatToStr(s.RobotHeading));
    const float theta =
        static_cast<float>((static_cast<double>(s.RobotHeading) - kHeadingOffset) * kPi * (1.0 / 180.0));
    const float dx = static_cast<float>(kStepLength * std::cos(static_cast<double>(theta)));
    const float dy = static_cast<float>(kStepLength * std::sin(static_cast<double>(theta)));
    const float newX = s.RobotPosX + dx;
    const float newY = s.RobotPosY + dy;
    if (log) {
        log->append("XXX");
        log->append(FloatToStr(newX));
        log->append(FloatToStr(newY));
    }
    s.RobotPosX = newX;
    s.RobotPosY = newY;
    s.RedrawPending = 1;
    return chosen ? candidates.lines[static_cast<std::size_t>(choice)] : kNoRule;
}

}  // namespace vemrik
