#include "engine/rule_list.h"

#include <atomic>

namespace vemrik {

std::uint64_t RuleList::nextStamp() {
    // Shared by every list, so lists of different engines never share a stamp by chance.
    static std::atomic<std::uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

RuleList& RuleList::operator=(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    stamp_ = nextStamp();
    return *this;
}

void RuleList::add(std::string_view line) {
    lines_.emplace_back(line);
    stamp_ = nextStamp();
}

void RuleList::erase(int i) {
    if (i < 0 || i >= static_cast<int>(lines_.size())) return;
    lines_.erase(lines_.begin() + i);
    stamp_ = nextStamp();
}

}  // namespace vemrik
