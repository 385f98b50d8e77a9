// The form's two timers: the 25 ms refresh cycle and the run timer. The page runs them on the
// browser's clock; with `?zegar=reczny` in the address they only move when `advance` is called,
// so a test decides how much time passes.

export const kRefreshInterval = 25;

export class Clock {
  constructor(onRefresh, onRun) {
    this.onRefresh = onRefresh;
    this.onRun = onRun;
    this.runInterval = 0;  // 0: the run timer is off
    this.now = 0;
    this.nextRefresh = kRefreshInterval;
    this.nextRun = 0;
  }

  // Switches the run timer on with `interval` ms, or off with 0; an unchanged setting keeps the
  // time already counted towards the next step.
  setRunTimer(interval) {
    if (interval === this.runInterval) return;
    this.runInterval = interval;
    this.nextRun = this.now + interval;
  }

  // Lets `ms` milliseconds pass, firing each timer as often as it falls due, in time order.
  advance(ms) {
    const end = this.now + ms;
    for (;;) {
      const run = this.runInterval > 0 ? this.nextRun : Infinity;
      const next = Math.min(this.nextRefresh, run);
      if (next > end) break;
      this.now = next;
      if (next === run) {
        this.nextRun += this.runInterval;
        this.onRun();
      } else {
        this.nextRefresh += kRefreshInterval;
        this.onRefresh();
      }
    }
    this.now = end;
  }
}

// Runs a clock on the browser's time, in animation frames; a frame late by more than a second
// (a hidden tab) does not make up the lost time.
export function runOnBrowserTime(clock) {
  let last = performance.now();
  const frame = (t) => {
    clock.advance(Math.min(t - last, 1000));
    last = t;
    requestAnimationFrame(frame);
  };
  requestAnimationFrame(frame);
}
