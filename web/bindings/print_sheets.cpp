#include "web/bindings/print_sheets.h"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <vector>

#include "platform/texts.h"
#include "simulation/print_sheet.h"
#include "web/bindings/js_error.h"
#include "web/bindings/picture.h"

namespace vemrik::web {

namespace {

constexpr double kMmPerCell = 20;
constexpr double kA4Width = 210, kA4Height = 297;

/// What the window's print dialog starts with: the track in black on A4 at 20 mm per cell.
TrackPrint printJob(TForm1& form, int scale) {
    // Beyond 16 a sheet would outgrow a browser's largest canvas.
    if (scale < 1 || scale > 16) throwJsError("Skala arkusza poza 1 … 16");
    const Raster& shown = form.Image2.canvas;
    return trackPrint(form.State, shown.width(), shown.height(), PrintLook::kBlackLine, kMmPerCell, kA4Width,
                      kA4Height);
}

}  // namespace

std::string printSheets(WebForm& form, int scale) {
    const TrackPrint job = printJob(form.form(), scale);
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
        {"page",
         {{"width", l.pageWidth}, {"height", l.pageHeight}, {"margin", l.margin}, {"overlap", l.overlap}}},
        {"sheets", sheets}}
        .dump();
}

emscripten::val printSheetRGBA(WebForm& form, int index, int scale) {
    static std::vector<std::uint8_t> rgba;
    const TrackPrint job = printJob(form.form(), scale);
    if (index < 0 || index >= static_cast<int>(job.tiles.size())) throwJsError("Nie ma takiego arkusza");
    const Raster sheet =
        sheetPixels(job.track, job.layout, job.tiles[static_cast<std::size_t>(index)], scale);
    rgba.resize(static_cast<std::size_t>(sheet.width()) * static_cast<std::size_t>(sheet.height()) * 4);
    toRGBA(sheet, rgba.data());
    return emscripten::val(emscripten::typed_memory_view(rgba.size(), rgba.data()));
}

}  // namespace vemrik::web
