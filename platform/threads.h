#pragma once

#include <functional>

namespace vemrik {

// The evaluation's workers: threads on the desktop, the calling thread alone in the page (edge/).

/// How many workers the machine offers at once; at least 1.
int workerSlots();

/// Runs `work` on `count` workers at once, the calling thread being one of them, and returns when
/// every one has returned. A worker the system will not start is left out: `work` must take
/// whatever share is left, so that the others still finish everything.
void onWorkers(int count, const std::function<void()>& work);

}  // namespace vemrik
