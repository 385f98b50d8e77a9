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
    clock_.start();
    connect(&timer_, &QTimer::timeout, this, [this] { fire(); });
}

void RefreshTimer::setInterval(int ms) {
    catchUp();
    interval_ = std::max(ms, 1);
    sleeping_ = false;
    if (active_) arm(interval_);
}

void RefreshTimer::start() {
    sleeping_ = false;
    arm(interval_);
}

void RefreshTimer::stop() {
    catchUp();
    sleeping_ = false;
    active_ = false;
    timer_.stop();
}

void RefreshTimer::catchUp() {
    if (!sleeping_) return;
    const qint64 passed = std::min<qint64>((now() - asleepSince_) / interval_, sleepTicks_);
    if (passed <= counted_) return;
    countIdleTicks(state_, static_cast<int>(passed) - counted_);
    counted_ = static_cast<int>(passed);
}

void RefreshTimer::wakeIfDue() {
    if (!sleeping_ || !refreshDue(state_)) return;
    catchUp();
    sleepTicks_ = counted_;  // the next tick is the one that draws
    arm(interval_ - static_cast<int>((now() - asleepSince_) % interval_));
}

void RefreshTimer::driveByHand() {
    catchUp();
    timer_.stop();
    byHand_ = true;
    handNow_ = 0;
    if (active_) start();
}

void RefreshTimer::advance(int ms) {
    const qint64 end = handNow_ + ms;
    while (active_ && due_ <= end) {
        handNow_ = due_;
        fire();
    }
    handNow_ = end;
}

qint64 RefreshTimer::now() const { return byHand_ ? handNow_ : clock_.elapsed(); }

void RefreshTimer::arm(int ms) {
    active_ = true;
    period_ = ms;
    due_ = now() + ms;
    if (!byHand_) timer_.start(ms);
}

void RefreshTimer::fire() {
    due_ = now() + period_;
    if (sleeping_) {
        countIdleTicks(state_, sleepTicks_ - counted_);  // a timer may fire a little early
        sleeping_ = false;
    }
    if (period_ != interval_) arm(interval_);
    if (onTick) onTick();
    sleepIfIdle();
}

void RefreshTimer::sleepIfIdle() {
    if (!active_ || refreshDue(state_)) return;
    // Ticks until the forced redraw: only those with the counter in its range are counted away.
    const int ticks = kForcedRedrawTicks - state_.TickCounter;
    if (ticks < 2 || ticks > kForcedRedrawTicks) return;
    sleeping_ = true;
    sleepTicks_ = ticks - 1;
    counted_ = 0;
    asleepSince_ = now();
    arm(ticks * interval_);
}

}  // namespace vemrik
