#include "engine/step.h"

#include <cmath>

#include "app/errors.h"
#include "app/number_text.h"

namespace vemrik {

namespace {

// Heading 0 points up the screen, angle 0 of sine and cosine to the right.
constexpr double kHeadingOffset = 90.0;
constexpr double kPi = 3.141592653589793;

}  // namespace

NextPose nextPose(const ProgramState& s, const Candidates& candidates, int choice) {
    NextPose p;
    p.heading = s.RobotHeading;
    // Slot `count` holds 0, so choosing it, like choosing with no candidates, keeps the heading.
    if (choice >= 0 && choice < candidates.count) {
        p.heading = s.RobotHeading + candidates.angles[static_cast<std::size_t>(choice)];
        p.rule = candidates.lines[static_cast<std::size_t>(choice)];
    }
    const float theta =
        static_cast<float>((static_cast<double>(p.heading) - kHeadingOffset) * kPi * (1.0 / 180.0));
    const float dx = static_cast<float>(kStepLength * std::cos(static_cast<double>(theta)));
    const float dy = static_cast<float>(kStepLength * std::sin(static_cast<double>(theta)));
    p.x = s.RobotPosX + dx;
    p.y = s.RobotPosY + dy;
    return p;
}

void logStep(Memo& log, const NextPose& p) {
    log.append(FloatToStr(p.heading));
    log.append("XXX");
    log.append(FloatToStr(p.x));
    log.append(FloatToStr(p.y));
}

int applyStep(ProgramState& s, const Candidates& candidates, int choice, Memo* log) {
    const NextPose p = nextPose(s, candidates, choice);
    if (!isFinite(p)) throw NonFiniteStepError();
    moveTo(s, p, log);
    return p.rule;
}

}  // namespace vemrik
