#include "ui/qt/refresh_timer.h"

#include <algorithm>

#include "ui/refresh_cycle.h"

namespace vemrik {

namespace {

/// Counts up to n ticks, each only while it has nothing to draw, so none is ever lost.
void countIdleTicks(FormState& s, int n) {
    for (int i = 0; i < n && !refreshDue(s); ++i) refreshTick(s);
}

}  // namespace

RefreshTimer::RefreshTimer(FormState& state) : state_(state) {
    connect(&timer_, &QTimer::timeout, this, [this] { fire(); });
}

void RefreshTimer::setInterval(int ms) {
    catchUp();
    interval_ = std::max(ms, 1);
    if (sleeping_ && timer_.isActive()) {
        sleeping_ = false;
        timer_.start(interval_);
    } else {
        timer_.setInterval(interval_);
    }
}

void RefreshTimer::start() {
    sleeping_ = false;
    timer_.start(interval_);
}

void RefreshTimer::stop() {
    catchUp();
    sleeping_ = false;
    timer_.stop();
}

void RefreshTimer::catchUp() {
    if (!sleeping_) return;
    const int passed = static_cast<int>(std::min<qint64>(asleep_.elapsed() / interval_, sleepTicks_));
    if (passed <= counted_) return;
    countIdleTicks(state_, passed - counted_);
    counted_ = passed;
}

void RefreshTimer::wakeIfDue() {
    if (!sleeping_ || !refreshDue(state_)) return;
    catchUp();
    sleepTicks_ = counted_;  // the next tick is the one that draws
    timer_.start(interval_ - static_cast<int>(asleep_.elapsed() % interval_));
}

void RefreshTimer::fire() {
    if (sleeping_) {
        countIdleTicks(state_, sleepTicks_ - counted_);  // a timer may fire a little early
        sleeping_ = false;
    }
    if (timer_.interval() != interval_) timer_.start(interval_);
    if (onTick) onTick();
    sleepIfIdle();
}

void RefreshTimer::sleepIfIdle() {
    if (!timer_.isActive() || refreshDue(state_)) return;
    // Ticks until the forced redraw: only those with the counter in its range are counted away.
    const int ticks = kForcedRedrawTicks - state_.TickCounter;
    if (ticks < 2 || ticks > kForcedRedrawTicks) return;
    sleeping_ = true;
    sleepTicks_ = ticks - 1;
    counted_ = 0;
    asleep_.start();
    timer_.start(ticks * interval_);
}

}  // namespace vemrik
