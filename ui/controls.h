#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/memo.h"
#include "app/number_text.h"
#include "engine/engine.h"
#include "engine/rule_list.h"
#include "raster/raster.h"

namespace vemrik {

/// The toolkit-free controls of the form: plain values that the handlers read and write and
/// that the window mirrors onto its widgets.

struct Image {
    Raster canvas;
};

struct CheckBox {
    bool checked = false;
};

/// Its position is the slider's; its change handler hands it to the engine.
struct TrackBar {
    int position = 0;
    int min = -360;
    int max = 360;
};

struct Label {
    std::string caption;
};

/// Its lines are the engine's rule list, edited through the engine.
struct ListBox {
    explicit ListBox(Engine& e) : lines(e.rules()), engine_(e) {}

    const RuleList& lines;
    int itemIndex = -1;
    /// Grows whenever lines change, so the window knows when to mirror them.
    std::uint64_t version = 0;

    int count() const { return static_cast<int>(lines.size()); }
    void add(std::string_view line);
    /// Deletes line i; an index outside the list (-1 above all) deletes nothing.
    void deleteAt(int i);

private:
    Engine& engine_;
};

struct Timer {
    bool enabled = false;
    int interval = 0;
};

}  // namespace vemrik
