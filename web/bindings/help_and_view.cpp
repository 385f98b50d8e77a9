// What the page's "Pomoc" and "Widok" menus and its boards' keyboard cursor take from the app model:
// the help's words, the zoom the menu offers and ticks, the cell cursor.
#include <emscripten/bind.h>

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>

#include "ui/cell_cursor.h"
#include "ui/help_texts.h"
#include "ui/zoom_choice.h"

namespace vemrik::web {

namespace {

using nlohmann::json;

json both(const Text& text) { return {{"pl", text.pl}, {"en", text.en}}; }

// {aboutTitle, about (the version filled in), guideTitle, noGuide}, each {pl, en}.
std::string helpTextsJson() {
    json about = both(HelpTexts::about);
    for (auto& [language, text] : about.items()) {
        std::string filled = text.get<std::string>();
        filled.replace(filled.find("%1"), 2, VEMRIK_VERSION);
        text = filled;
    }
    return json{{"aboutTitle", both(HelpTexts::aboutTitle)},
                {"about", about},
                {"guideTitle", both(HelpTexts::guideTitle)},
                {"noGuide", both(HelpTexts::noGuide)}}
        .dump();
}

// {offered: {command: bool}, num, den, ticked: command} for the choice kept as `percent`.
std::string zoomShownJson(int percent, int growsWidth, int growsHeight, int fixedWidth, int fixedHeight,
                          int availableWidth, int availableHeight) {
    const ZoomShown shown = zoomShown(percent, {growsWidth, growsHeight}, {fixedWidth, fixedHeight},
                                      {availableWidth, availableHeight});
    json offered = json::object();
    for (std::size_t i = 0; i < kZoomEntries.size(); ++i)
        offered[std::string(kZoomEntries[i].command)] = shown.offered[i];
    return json{{"offered", offered},
                {"num", shown.zoom.num},
                {"den", shown.zoom.den},
                {"ticked", std::string(shown.ticked)}}
        .dump();
}

const char* actName(PointerAct act) {
    switch (act) {
        case PointerAct::Press:
            return "down";
        case PointerAct::Move:
            return "move";
        case PointerAct::Release:
            return "up";
        case PointerAct::None:
            break;
    }
    return "";
}

// A key by its name in a keydown ("ArrowLeft", " ") or "up" for the space bar let go and "leave":
// the pointer's kind f.mouse takes for it ("down", "move", "up"), "" for none.
std::string cursorKey(CellCursor& cursor, const std::string& key) {
    static const std::pair<const char*, CursorKey> kKeys[] = {
        {"ArrowLeft", CursorKey::Left}, {"ArrowRight", CursorKey::Right}, {"ArrowUp", CursorKey::Up},
        {"ArrowDown", CursorKey::Down}, {" ", CursorKey::SpaceDown},      {"up", CursorKey::SpaceUp},
        {"leave", CursorKey::Leave},
    };
    for (const auto& [name, k] : kKeys)
        if (key == name) return actName(cursor.key(k));
    return "";
}

// The cursor's pixel and its cell's edges at ×1: {x, y, x1, y1, x2, y2, shown}.
std::string cursorPlace(const CellCursor& cursor) {
    const Area cell = cursor.area(Zoom{});
    return json{{"x", cursor.pixel().x}, {"y", cursor.pixel().y}, {"x1", cell.x1},        {"y1", cell.y1},
                {"x2", cell.x2},         {"y2", cell.y2},         {"shown", cursor.shown}}
        .dump();
}

CellCursor* boardCursor(int width, int height) { return new CellCursor(width, height, kBoardCellPixels); }

}  // namespace

}  // namespace vemrik::web

EMSCRIPTEN_BINDINGS(vemrik_help_and_view) {
    using namespace emscripten;
    function("helpTexts", &vemrik::web::helpTextsJson);
    function("zoomShown", &vemrik::web::zoomShownJson);
    class_<vemrik::CellCursor>("CellCursor")
        .constructor(&vemrik::web::boardCursor, allow_raw_pointers())
        .function("key", &vemrik::web::cursorKey)
        .function("place", &vemrik::web::cursorPlace)
        .property("shown", &vemrik::CellCursor::shown);
}
