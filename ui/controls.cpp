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

}  // namespace vemrik
