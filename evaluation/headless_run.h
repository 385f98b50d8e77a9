#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <random>

#include "engine/noise.h"
#include "engine/step.h"
#include "engine/turned_samples.h"
#include "evaluation/run_setup.h"

namespace vemrik {

/// How a run ended.
enum class Outcome : std::uint8_t {
    Success,   ///< a sample point touched a stop cell
    Lost,      ///< off the map for good, off it at the step limit, or a step that broke the numbers
    Timeout,   ///< the step limit came first, with the robot on the map
    Cancelled  ///< stopped from outside before it ended
};

/// The end of one run: its outcome, the steps made, and the pose it ended in.
struct RunResult {
    Outcome outcome = Outcome::Timeout;
    int steps = 0;
    float x = 0.0f;
    float y = 0.0f;
    float heading = 0.0f;
    /// Lost because the next step would have left the finite numbers; the pose is the last one.
    bool stepFailed = false;
};

/// Truncation toward zero sends a point up to one pixel left of or above the image onto its first
/// column or row, so the pixels a point can read lie within (-1, -1) .. (width, height).
inline constexpr float kReadableMargin = 1.0f;

/// Whether the reference point lies farther outside the setup's image than the robot's reach:
/// then no sample point reads anything, and the sensors read all 0.
bool beyondReach(const RunSetup& setup, const RobotPose& pose);
inline bool offMap(const RunSetup& setup, const RobotPose& pose) {
    const float x = pose.RobotPosX, y = pose.RobotPosY;
    // Over the image and its readable margin the distance is 0: the common case, at once.
    if (x >= -kReadableMargin && x <= static_cast<float>(setup.width) && y >= -kReadableMargin &&
        y <= static_cast<float>(setup.height))
        return false;
    return beyondReach(setup, pose);
}
/// For a robot off the map: whether it can never read the map again, since no rule turns it on the
/// all-0 pattern and its straight path comes no nearer to the image on either axis.
bool cannotComeBack(const RunSetup& setup, const RobotPose& pose);
/// What ends a run as lost: off the map for good. Asked after every step; inline, so that the common
/// case, on the map, costs no call. The window's runs ask it too, when the user wants a lost run ended.
inline bool lostForGood(const RunSetup& setup, const RobotPose& pose) {
    return offMap(setup, pose) && cannotComeBack(setup, pose);
}

/// One run as the window makes it on "Symulacja" with the timer running, without the window:
/// placed on the start cell with the start heading and sensed there, then a step and the sensing
/// that the next redraw does, again and again. The seed drives the generator as
/// Engine::setSeed(seed) and Engine::restartDraws() before "Start" do: one draw per step. The setup's noise,
/// if any, comes from a generator of its own (NoiseDraws): the start pose moved once, each sensing's sensor
/// states flipped. Sensing and stepping are the window's own tick (engine/run_tick.h).
class HeadlessRun {
public:
    HeadlessRun(const RunSetup& setup, std::uint32_t seed);

    /// One step with the candidates of the last sensing, then the sensing at the new pose. A step
    /// whose heading or position would stop being a finite number changes nothing (the draw aside)
    /// and returns false. It allocates nothing and cannot fail, yet is not noexcept: the tick's
    /// halves it calls are not inlined, and a noexcept function guards each such call so as to end
    /// the program on a throw; in the page's module that guard is a call out to JavaScript and back,
    /// twice a step (the runs took 1.35 × as long). The run's loop has nothing to unwind, so its
    /// calls need no guard.
    bool step();

    /// Whether the last sensing touched a stop cell.
    bool stopSensed() const { return stop_; }
    /// Whether the reference point lies farther outside the image than `reach`: then no sample
    /// point reads anything, and the sensors read all 0.
    bool offMap() const { return vemrik::offMap(setup_, pose_); }
    /// Whether the robot is off the map and can never read it again: no rule turns it on the
    /// all-0 pattern, and its straight path comes no nearer to the image on either axis.
    bool lostForGood() const { return vemrik::lostForGood(setup_, pose_); }

    int steps() const { return steps_; }
    float x() const { return pose_.RobotPosX; }
    float y() const { return pose_.RobotPosY; }
    float heading() const { return pose_.RobotHeading; }
    /// The sensor states of the last sensing, bit k for SensorStates[k].
    int pattern() const { return pattern_; }
    /// The list index of the rule that acted in the last step, or kNoRule.
    int lastRule() const { return rule_; }

    // What a tick asks of a run (run_tick.h): the setup's classified track and rule table, the
    // pose placed once, no observer, and nothing kept of a step but its rule.
    void placeIfHeld() {}
    void beforeStep() {}
    Sensed sense() { return turned_.sense(pose_.RobotPosX, pose_.RobotPosY, pose_.RobotHeading); }
    void keepSensed(Sensed sensed) {
        pattern_ = sensed.pattern;
        stop_ = sensed.stop;
    }
    const Candidates& candidates() const { return setup_.rules.candidates(pattern_); }
    std::uint32_t draw() { return static_cast<std::uint32_t>(engine_()); }
    NextPose next(const Candidates& c, int choice) { return nextPose(pose_, c, choice, strides_); }
    void moveTo(const NextPose& next) {
        rule_ = next.rule;
        vemrik::moveTo(pose_, next, nullptr);
        ++steps_;
    }

private:
    /// The one place the start pose is set: the setup's start cell and heading.
    void placeAtStart();
    /// Draws the start pose's noise and gets the flips of the sensings ready.
    void startNoise(std::uint32_t seed);
    /// The noise's draws, or null for a run without noise.
    NoiseDraws* noise() { return noise_ ? &*noise_ : nullptr; }

    const RunSetup& setup_;
    std::mt19937 engine_;
    /// Empty without noise: then nothing but the rule choice is drawn.
    std::optional<NoiseDraws> noise_;
    RobotPose pose_;
    /// The stride of the current heading and the sample points turned by it, kept between steps
    /// that go straight on.
    StrideCache strides_;
    TurnedSamples turned_;
    int pattern_ = 0;
    int rule_ = kNoRule;
    bool stop_ = false;
    int steps_ = 0;
};

/// How a run stands before its next step: its outcome once it has ended (a stop sensed, lost for
/// good, or the step limit reached, lost when off the map then), nothing while it goes on.
inline std::optional<Outcome> runEnd(const HeadlessRun& run, int maxSteps) {
    if (run.stopSensed()) return Outcome::Success;
    if (run.lostForGood()) return Outcome::Lost;
    if (run.steps() >= maxSteps) return run.offMap() ? Outcome::Lost : Outcome::Timeout;
    return std::nullopt;
}

/// Runs until success, lost for good, a failed step, or maxSteps steps (a stop sensed after the
/// last step still counts as success; a robot off the map then is lost). The cancel flag is
/// looked at every few thousand steps; a cancelled run reports Cancelled. Allocates nothing.
RunResult runOnce(const RunSetup& setup, std::uint32_t seed, int maxSteps);
RunResult runOnce(const RunSetup& setup, std::uint32_t seed, int maxSteps, const std::atomic<bool>& cancel);

}  // namespace vemrik
