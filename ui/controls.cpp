#include "ui/controls.h"

namespace vemrik {

void ListBox::add(std::string_view line) {
    engine_.addRule(line);
    ++version;
}

void ListBox::deleteAt(int i) {
    if (i < 0 || i >= count()) return;
    engine_.deleteRule(i);
    if (itemIndex >= count()) itemIndex = count() - 1;
    ++version;
}

}  // namespace vemrik
