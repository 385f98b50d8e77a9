#include "ui/controls.h"

namespace vemrik {

void ListBox::add(std::string_view line) {
    lines.emplace_back(line);
    ++version;
}

void ListBox::deleteAt(int i) {
    if (i < 0 || i >= count()) return;
    lines.erase(lines.begin() + i);
    if (itemIndex >= count()) itemIndex = count() - 1;
    ++version;
}

void Memo::append(std::string_view line) {
    const std::size_t slot = (head_ + size_) % kBound;
    ring_[slot].assign(line);
    if (size_ < kBound)
        ++size_;
    else
        head_ = (head_ + 1) % kBound;
    ++total_;
}

std::string_view Memo::line(std::size_t i) const {
    if (i >= size_) return {};
    return ring_[(head_ + i) % kBound].view();
}

void Memo::clear() {
    head_ = 0;
    size_ = 0;
}

}  // namespace vemrik
