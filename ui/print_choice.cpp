#include "ui/print_choice.h"

#include <algorithm>

#include "platform/decimal.h"

namespace vemrik {

namespace {

// Six significant digits and no trailing zeros, as the window has always written them, with a
// point whatever the locale.
std::string millimetres(double mm) {
    char text[kNumberChars];
    return {text, writeGeneral(mm, 6, text)};
}

}  // namespace

PrintChoice PrintChoice::bounded() const {
    PrintChoice c = *this;
    c.mmPerCell = std::clamp(c.mmPerCell, kLeastMmPerCell, kMostMmPerCell);
    if (c.paper < 0 || c.paper >= static_cast<int>(kPapers.size())) c.paper = 0;
    if (c.look != PrintLook::kAsOnScreen) c.look = PrintLook::kBlackLine;
    return c;
}

std::string printSummary(const PrintLayout& layout, const PrintChoice& choice) {
    const TileGrid grid = tileGrid(layout);
    const std::string what = choice.look == PrintLook::kBlackLine
                                 ? say(PrintTexts::trackWithMargin, {std::to_string(choice.mmPerCell)})
                                 : say(PrintTexts::wholeMap);
    const Paper& paper = kPapers.at(static_cast<std::size_t>(choice.paper));
    const std::string turned =
        say(layout.pageWidth > layout.pageHeight ? PrintTexts::landscape : PrintTexts::portrait);
    return say(PrintTexts::sheets,
               {what, millimetres(layout.trackWidth), millimetres(layout.trackHeight),
                std::to_string(grid.columns), std::to_string(grid.rows), std::to_string(grid.pages()),
                std::string(paper.name) + turned, millimetres(layout.overlap)});
}

}  // namespace vemrik
