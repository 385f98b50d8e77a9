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
    bool isActive() const { return timer_.isActive(); }
    void start();
    void stop();
    /// Counts the ticks slept through so far.
    void catchUp();
    /// Ends the sleep at the next tick when that tick has something to draw.
    void wakeIfDue();

private:
    void fire();
    void sleepIfIdle();

    FormState& state_;
    QTimer timer_;
    QElapsedTimer asleep_;
    int interval_ = 25;
    bool sleeping_ = false;
    int sleepTicks_ = 0;  // ticks of this sleep that only count
    int counted_ = 0;     // of which counted already
};

}  // namespace vemrik
