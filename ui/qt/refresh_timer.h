#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "ui/form_state.h"

namespace vemrik {

/// The window's refresh tick. A tick with nothing to draw only counts, so while nothing is to be
/// drawn the timer sleeps through such ticks up to the next one that draws and counts them when
/// it wakes: an idle window wakes for the forced redraws alone. Whatever reads or changes the
/// program state in between calls catchUp() first and wakeIfDue() after, so a redraw asked for
/// meanwhile comes at the next tick, as without the sleep.
class RefreshTimer : public QObject {
public:
    explicit RefreshTimer(FormState& state);

    /// What a tick does.
    std::function<void()> onTick;

    void setInterval(int ms);
    bool isActive() const { return active_; }
    void start();
    void stop();
    /// Counts the ticks slept through so far.
    void catchUp();
    /// Ends the sleep at the next tick when that tick has something to draw.
    void wakeIfDue();

    /// From now on the timer fires only in advance(), and time passes only there, from 0 at the
    /// call (a running timer starts its interval anew): a test counts ticks exactly, whatever the
    /// machine's load.
    void driveByHand();
    /// Lets ms pass, firing every tick that comes due meanwhile at its own moment.
    void advance(int ms);

private:
    qint64 now() const;
    /// Fires every ms from now on, until armed again or stopped.
    void arm(int ms);
    void fire();
    void sleepIfIdle();

    FormState& state_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool byHand_ = false;
    qint64 handNow_ = 0;
    bool active_ = false;
    int period_ = 0;  // what the timer is armed with: the interval, or the length of a sleep
    qint64 due_ = 0;  // when it fires next
    int interval_ = 25;
    bool sleeping_ = false;
    qint64 asleepSince_ = 0;
    int sleepTicks_ = 0;  // ticks of this sleep that only count
    int counted_ = 0;     // of which counted already
};

}  // namespace vemrik
