#include "evaluation/headless_run.h"

#include <algorithm>
#include <cmath>

#include "engine/run_tick.h"

namespace vemrik {

namespace {

// Steps between two looks at the cancel flag: a few milliseconds of work.
constexpr int kCancelCheckSteps = 4096;

const std::atomic<bool> kNeverCancelled{false};

}  // namespace

HeadlessRun::HeadlessRun(const RunSetup& setup, std::uint32_t seed)
    : setup_(setup), engine_(seed), turned_(setup.samples, setup.view()) {
    placeAtStart();
    if (setup.noise.any()) startNoise(seed);
    tick<TickPart::Sense>(*this, noise());
}

void HeadlessRun::placeAtStart() {
    pose_.RobotPosX = setup_.startX;
    pose_.RobotPosY = setup_.startY;
    pose_.RobotHeading = setup_.startHeading;
}

void HeadlessRun::startNoise(std::uint32_t seed) {
    noise_.emplace(setup_.noise, seed, setup_.samples.counted());
    noise_->moveStart(pose_.RobotPosX, pose_.RobotPosY, pose_.RobotHeading);
}

bool HeadlessRun::step() { return advance(*this, noise(), 1, true) == 1; }

namespace {

/// Whether a rule for a pattern the robot may read off the map turns it: only the all-0 pattern
/// without flips, any pattern of its sensors with them.
bool turnsBlind(const RunSetup& setup) {
    const int last = setup.noise.flip > 0.0 ? (1 << setup.samples.counted()) - 1 : 0;
    for (int pattern = 0; pattern <= last; ++pattern) {
        const Candidates& c = setup.rules.candidates(pattern);
        for (int i = 0; i < c.count; ++i)
            if (c.angles[static_cast<std::size_t>(i)] != 0.0f) return true;
    }
    return false;
}

}  // namespace

bool cannotComeBack(const RunSetup& setup, const RobotPose& pose) {
    // Off the map every sensor reads 0 (flips aside); a rule that turns may bring it back.
    if (turnsBlind(setup)) return false;
    const Candidates& blind = setup.rules.candidates(0);
    // The heading stays, so every step adds the same float to each coordinate and each moves one
    // way for good: the distance to the image cannot shrink unless an axis outside moves back.
    const NextPose next = nextPose(pose, blind, blind.count);
    const float x = pose.RobotPosX, y = pose.RobotPosY;
    const bool xBack =
        (x < -kReadableMargin && next.x > x) || (x > static_cast<float>(setup.width) && next.x < x);
    const bool yBack =
        (y < -kReadableMargin && next.y > y) || (y > static_cast<float>(setup.height) && next.y < y);
    return !xBack && !yBack;
}

bool beyondReach(const RunSetup& setup, const RobotPose& pose) {
    const float x = pose.RobotPosX, y = pose.RobotPosY;
    const auto width = static_cast<float>(setup.width), height = static_cast<float>(setup.height);
    const double outX = std::max({-kReadableMargin - x, 0.0f, x - width});
    const double outY = std::max({-kReadableMargin - y, 0.0f, y - height});
    const double reach = setup.reach;
    return outX * outX + outY * outY > reach * reach;
}

RunResult runOnce(const RunSetup& setup, std::uint32_t seed, int maxSteps) {
    return runOnce(setup, seed, maxSteps, kNeverCancelled);
}

RunResult runOnce(const RunSetup& setup, std::uint32_t seed, int maxSteps, const std::atomic<bool>& cancel) {
    HeadlessRun run(setup, seed);
    Outcome outcome = Outcome::Timeout;
    bool stepFailed = false;
    for (;;) {
        if (const std::optional<Outcome> end = runEnd(run, maxSteps)) {
            outcome = *end;
            break;
        }
        if (run.steps() % kCancelCheckSteps == kCancelCheckSteps - 1 &&
            cancel.load(std::memory_order_relaxed)) {
            outcome = Outcome::Cancelled;
            break;
        }
        if (!run.step()) {
            outcome = Outcome::Lost;
            stepFailed = true;
            break;
        }
    }
    return {outcome, run.steps(), run.x(), run.y(), run.heading(), stepFailed};
}

}  // namespace vemrik
