#include "web/bindings/print_sheets.h"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <vector>

#include "platform/texts.h"
#include "simulation/print_sheet.h"
#include "ui/print_choice.h"
#include "web/bindings/js_error.h"
#include "web/bindings/picture.h"

namespace vemrik::web {

namespace {

PrintChoice choiceOf(int mmPerCell, int paper, int look) {
    return PrintChoice{mmPerCell, paper, look == 1 ? PrintLook::kAsOnScreen : PrintLook::kBlackLine}
        .bounded();
}

TrackPrint printJob(TForm1& form, int scale, const PrintChoice& choice) {
    // Beyond 16 a sheet would outgrow a browser's largest canvas.
    if (scale < 1 || scale > 16) throwJsError("Skala arkusza poza 1 … 16");
    const Raster& shown = form.Image2.canvas;
    const Paper& paper = kPapers.at(static_cast<std::size_t>(choice.paper));
    return trackPrint(form.State, shown.width(), shown.height(), choice.look, choice.mmPerCell, paper.width,
                      paper.height);
}

nlohmann::json both(const Text& text) { return {{"pl", text.pl}, {"en", text.en}}; }

}  // namespace

std::string printSheets(WebForm& form, int scale, int mmPerCell, int paper, int look) {
    const PrintChoice choice = choiceOf(mmPerCell, paper, look);
    const TrackPrint job = printJob(form.form(), scale, choice);
    if (job.tiles.empty()) return nlohmann::json{{"message", say(kNothingToPrint)}}.dump();
    const TileGrid grid = tileGrid(job.layout);
    const double mmPerPixel = job.layout.trackWidth / (job.track.area.x2 - job.track.area.x1) / scale;
    nlohmann::json sheets = nlohmann::json::array();
    for (const PrintTile& tile : job.tiles) {
        const SheetSize size = sheetSize(job.track, job.layout, tile, scale);
        sheets.push_back({{"name", tileName(tile.row, tile.column)},
                          {"width", size.width},
                          {"height", size.height},
                          {"widthMm", size.width * mmPerPixel},
                          {"heightMm", size.height * mmPerPixel},
                          {"lastColumn", tile.column + 1 == grid.columns},
                          {"lastRow", tile.row + 1 == grid.rows}});
    }
    const PrintLayout& l = job.layout;
    return nlohmann::json{
        {"summary", printSummary(l, choice)},
        {"page",
         {{"width", l.pageWidth}, {"height", l.pageHeight}, {"margin", l.margin}, {"overlap", l.overlap}}},
        {"sheets", sheets}}
        .dump();
}

emscripten::val printSheetRGBA(WebForm& form, int index, int scale, int mmPerCell, int paper, int look) {
    static std::vector<std::uint8_t> rgba;
    const TrackPrint job = printJob(form.form(), scale, choiceOf(mmPerCell, paper, look));
    if (index < 0 || index >= static_cast<int>(job.tiles.size())) throwJsError("Nie ma takiego arkusza");
    const Raster sheet =
        sheetPixels(job.track, job.layout, job.tiles[static_cast<std::size_t>(index)], scale);
    rgba.resize(static_cast<std::size_t>(sheet.width()) * static_cast<std::size_t>(sheet.height()) * 4);
    toRGBA(sheet, rgba.data());
    return emscripten::val(emscripten::typed_memory_view(rgba.size(), rgba.data()));
}

std::string printTextsJson() {
    using T = PrintTexts;
    nlohmann::json papers = nlohmann::json::array();
    for (const Paper& paper : kPapers) papers.push_back(paper.name);
    return nlohmann::json{{"title", both(T::title)},
                          {"scale", both(T::scale)},
                          {"paper", both(T::paper)},
                          {"look", both(T::look)},
                          {"blackLine", both(T::blackLine)},
                          {"asOnScreen", both(T::asOnScreen)},
                          {"preview", both(T::preview)},
                          {"least", PrintChoice::kLeastMmPerCell},
                          {"most", PrintChoice::kMostMmPerCell},
                          {"first", PrintChoice{}.mmPerCell},
                          {"papers", papers}}
        .dump();
}

}  // namespace vemrik::web
