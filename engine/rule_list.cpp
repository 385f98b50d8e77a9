#include "engine/rule_list.h"

#include "app/stamp.h"

namespace vemrik {

RuleList& RuleList::operator=(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    stamp_ = newStamp();
    return *this;
}

void RuleList::add(std::string_view line) {
    lines_.emplace_back(line);
    stamp_ = newStamp();
}

void RuleList::erase(int i) {
    if (i < 0 || i >= static_cast<int>(lines_.size())) return;
    lines_.erase(lines_.begin() + i);
    stamp_ = newStamp();
}

}  // namespace vemrik
