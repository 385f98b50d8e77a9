// Workers in a page: its module has one thread, so every run is this one's.
#include "platform/threads.h"

namespace vemrik {

int workerSlots() { return 1; }

void onWorkers(int, const std::function<void()>& work) { work(); }

}  // namespace vemrik
