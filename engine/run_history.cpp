#include "engine/run_history.h"

#include <algorithm>

#include "engine/engine.h"

namespace vemrik {

namespace {

RunMoment momentOf(const Engine& e) {
    const ProgramState& s = e.State;
    return {s.RobotPosX,   s.RobotPosY,     s.RobotHeading,     s.SensorStates,
            s.SensorCount, s.ReturnToStart, e.Run.stopPending()};
}

void putMoment(Engine& e, const RunMoment& m) {
    ProgramState& s = e.State;
    s.RobotPosX = m.x;
    s.RobotPosY = m.y;
    s.RobotHeading = m.heading;
    s.SensorStates = m.sensors;
    s.SensorCount = m.sensorCount;
    s.ReturnToStart = m.returnToStart;
    e.Run.keepStopPending(m.stopPending);
}

// What a sensing pass starts from: it rewrites the sensors and may place the robot.
bool samePlace(const RunMoment& a, const ProgramState& s) {
    return a.x == s.RobotPosX && a.y == s.RobotPosY && a.heading == s.RobotHeading &&
           a.returnToStart == s.ReturnToStart;
}

}  // namespace

void RunHistory::begin(const Engine& e) {
    active_ = true;
    start_ = momentOf(e);
    startDraws_ = e.RandomEngine;
    robot_ = e.State.RobotGrid;
    map_ = e.State.MapGrid;
    strokes_ = e.State.StrokeList;
    rules_ = e.Rules;
    kept_.clear();
    // Enough for a run off the plain path at every step for a while, so steps rarely allocate.
    kept_.reserve(1024);
    steps_ = shown_ = 0;
    afterStep_ = start_;
    awaitingSense_ = true;
    firstSense_ = expectedValid_ = false;
}

void RunHistory::end(HistoryEnd why) {
    if (!active()) return;
    active_ = false;
    why_ = why;
    kept_.clear();
    steps_ = shown_ = 0;
}

void RunHistory::forget() {
    end(HistoryEnd::NotStarted);
    why_ = HistoryEnd::NotStarted;
}

bool RunHistory::follow(const Engine& e) {
    if (!active()) return false;
    const ProgramState& s = e.State;
    if (s.RobotGrid != robot_ || s.MapGrid != map_ || s.StrokeList != strokes_ || e.Rules != rules_)
        end(HistoryEnd::Edited);
    return active();
}

void RunHistory::beforeSensing(const ProgramState& s) {
    firstSense_ = awaitingSense_ && samePlace(afterStep_, s);
    awaitingSense_ = false;
}

void RunHistory::sensed(const Engine& e) {
    if (!firstSense_) return;
    expected_ = momentOf(e);
    expectedValid_ = true;
    firstSense_ = false;
}

void RunHistory::beforeStep(const Engine& e) {
    if (!active()) return;
    if (shown_ < steps_) {
        // A fresh continuation from the step shown: the later steps are no longer this run's.
        kept_.erase(
            std::find_if(kept_.begin(), kept_.end(), [this](const Kept& k) { return k.before >= shown_; }),
            kept_.end());
        steps_ = shown_;
    }
    if (steps_ >= kHistoryBound) {
        end(HistoryEnd::TooLong);
        return;
    }
    const RunMoment now = momentOf(e);
    if (expectedValid_ && now == expected_) return;
    if (!kept_.empty() && kept_.back().before == steps_)
        kept_.back().moment = now;  // a step that failed left it
    else
        kept_.push_back({steps_, now});
}

void RunHistory::stepped(const Engine& e) {
    if (!active()) return;
    shown_ = ++steps_;
    afterStep_ = momentOf(e);
    awaitingSense_ = true;
    expectedValid_ = false;
}

void RunHistory::show(Engine& e, const Raster& track, std::uint64_t step) {
    if (!active() || step > steps_) return;
    putMoment(e, start_);
    e.RandomEngine = startDraws_;
    e.Run.clear();
    auto kept = kept_.begin();
    for (std::uint64_t i = 0; i < step; ++i) {
        if (kept != kept_.end() && kept->before == i)
            putMoment(e, (kept++)->moment);
        else
            e.placeAndSense(track);
        e.step(nullptr);
    }
    shown_ = step;
    afterStep_ = momentOf(e);
    awaitingSense_ = true;
    expectedValid_ = false;
}

}  // namespace vemrik
