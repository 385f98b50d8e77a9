#include "app/stamp.h"

#include <atomic>

namespace vemrik {

std::uint64_t newStamp() {
    // Shared by every piece of every engine, so two pieces never share a stamp by chance.
    static std::atomic<std::uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

}  // namespace vemrik
