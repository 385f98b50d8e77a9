#include "engine/run_history.h"

#include <algorithm>

#include "engine/engine.h"

namespace vemrik {

namespace {

RunMoment momentOf(const Engine& e) { return momentOf(e.state(), e.record().stopPending()); }

}  // namespace

void RunHistory::begin(const Engine& e) {
    active_ = true;
    start_ = momentOf(e);
    robot_ = e.robotVersion();
    track_ = e.trackVersion();
    rules_ = e.rules();
    kept_.clear();
    // Reserved once, so no step of a run allocates; untouched pages cost nothing.
    kept_.reserve(kHistoryBound);
    draws_.clear();
    keepDraws(0, e.run().draws);
    steps_ = shown_ = 0;
    attempted_ = false;
}

void RunHistory::end(HistoryEnd why) {
    if (!active()) return;
    active_ = false;
    why_ = why;
    kept_.clear();
    draws_.clear();
    steps_ = shown_ = 0;
}

void RunHistory::forget() {
    end(HistoryEnd::NotStarted);
    why_ = HistoryEnd::NotStarted;
}

bool RunHistory::follow(const Engine& e) {
    if (!active()) return false;
    if (e.robotVersion() != robot_ || e.trackVersion() != track_ || e.rules().stamp() != rules_.stamp())
        end(HistoryEnd::Edited);
    return active();
}

void RunHistory::keepDraws(std::uint64_t step, const std::mt19937& draws) {
    if (!draws_.empty() && draws_.back().step == step)
        draws_.back().draws = draws;
    else
        draws_.push_back({step, draws});
}

void RunHistory::beforeStep(const Engine& e) {
    if (!active()) return;
    if (shown_ < steps_) {
        // A fresh continuation from the step shown: the later steps are no longer this run's.
        steps_ = shown_;
        kept_.resize(steps_);
        while (draws_.back().step > steps_) draws_.pop_back();
        attempted_ = false;
    }
    if (steps_ >= kHistoryBound) {
        end(HistoryEnd::TooLong);
        return;
    }
    // The try before failed after its draw, perhaps: from here the source is not the kept one
    // wound on.
    if (attempted_) keepDraws(steps_, e.run().draws);
    attempted_ = true;
    fromX_ = e.state().RobotPosX;
    fromY_ = e.state().RobotPosY;
}

void RunHistory::stepped(const Engine& e) {
    if (!active()) return;
    const RunRow& row = e.record().row(e.record().rowCount() - 1);
    kept_.push_back({momentOf(e), fromX_, fromY_, row.rule, row.stop});
    shown_ = ++steps_;
    attempted_ = false;
    if (steps_ % kDrawsInterval == 0) keepDraws(steps_, e.run().draws);
}

void RunHistory::show(Engine& e, std::uint64_t step) {
    if (!active() || step > steps_) return;
    const auto kept = std::prev(std::upper_bound(
        draws_.begin(), draws_.end(), step, [](std::uint64_t n, const KeptDraws& k) { return n < k.step; }));
    e.rewriteRun([&](RunSnapshot& run) {
        run.draws = kept->draws;
        run.draws.discard(step - kept->step);
        run.record.clear();
        run.record.followList(rules_);
        // The record reads only the pose and senses after each step.
        ProgramState after;
        for (std::uint64_t i = 0; i < step; ++i) {
            const KeptStep& k = kept_[i];
            putMoment(after, k.after);
            run.record.keepStopPending(k.stop);
            run.record.recordFollowed(k.fromX, k.fromY, after, k.rule);
        }
        run.moment = step == 0 ? start_ : kept_[step - 1].after;
        run.record.keepStopPending(run.moment.stopPending);
    });
    shown_ = step;
    attempted_ = false;
}

}  // namespace vemrik
