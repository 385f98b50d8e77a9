// Workers on a desktop: threads, one per core.
#include "platform/threads.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace vemrik {

int workerSlots() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

void onWorkers(int count, const std::function<void()>& work) {
    std::vector<std::thread> pool;
    for (int t = 1; t < count; ++t) {
        try {
            pool.emplace_back(work);
        } catch (const std::system_error&) {
            break;  // the threads there are, this one included, still do every run
        }
    }
    work();
    for (std::thread& t : pool) t.join();
}

}  // namespace vemrik
