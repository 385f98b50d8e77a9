#include "web/bindings/file_commands.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "analysis/run_csv.h"
#include "simulation/run_options.h"
#include "ui/file_names.h"
#include "ui/file_texts.h"
#include "ui/page_picture.h"
#include "ui/recent_files.h"
#include "web/bindings/js_error.h"
#include "web/bindings/picture.h"
#include "web/bindings/web_form.h"

namespace vemrik::web {

namespace {

using nlohmann::json;

std::vector<std::string> names(const std::string& listJson) {
    try {
        return json::parse(listJson).get<std::vector<std::string>>();
    } catch (const json::exception&) {
        return {};  // a list spoilt in the browser's storage starts again empty
    }
}

std::string recentWithJson(const std::string& listJson, const std::string& file) {
    return json(recentWith(names(listJson), file)).dump();
}

std::string recentCaptionOf(int index, const std::string& fileName) {
    return recentCaption(static_cast<std::size_t>(std::max(index, 0)), fileName);
}

std::string fileTextsJson() {
    using T = FileTexts;
    const auto both = [](const Text& t) { return json{{"pl", t.pl}, {"en", t.en}}; };
    return json{{"seedTitle", both(T::seedTitle)},
                {"seedPrompt", both(T::seedPrompt)},
                {"notASeed", both(T::notASeed)},
                {"runFile", both(T::runFile)},
                {"csvKinds", both(T::csvKinds)},
                {"clearRecent", both(T::clearRecent)},
                {"saveChanges", both(T::saveChanges)},
                {"notSaved", both(T::notSaved)},
                {"notSavedIn", both(T::notSavedIn)},
                {"yes", both(T::yes)},
                {"no", both(T::no)},
                {"closeTab", both(T::closeTab)}}
        .dump();
}

// As bytes: a string would lose the spreadsheet form's byte order mark on its way into JavaScript.
emscripten::val runCsvOf(WebForm& f, const std::string& kind) {
    if (kind != "plain" && kind != "sheet") throwJsError("Nie ma rodzaju CSV „" + kind + "”");
    const std::string csv =
        runCsv(f.form().engine.record(), kind == "sheet" ? CsvForm::Sheet : CsvForm::Plain);
    return emscripten::val::global("Uint8Array").new_(emscripten::typed_memory_view(csv.size(), csv.data()));
}

// {width, height, rgba}: the page's picture as the window exports it, RGBA with alpha 255.
emscripten::val pagePictureOf(WebForm& f, int page) {
    const Raster picture = pagePicture(f.form(), page);
    if (picture.width() == 0) throwJsError("Nie ma strony " + std::to_string(page));
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(picture.width()) *
                                   static_cast<std::size_t>(picture.height()) * 4);
    toRGBA(picture, rgba.data());
    emscripten::val out = emscripten::val::object();
    out.set("width", picture.width());
    out.set("height", picture.height());
    out.set(
        "rgba",
        emscripten::val::global("Uint8Array").new_(emscripten::typed_memory_view(rgba.size(), rgba.data())));
    return out;
}

double seedOf(WebForm& f) { return f.form().engine.seed(); }

// As the window's "Ziarno losowania…": a text that is no seed is refused with the reason.
void setSeed(WebForm& f, const std::string& text) {
    const std::optional<std::uint32_t> seed = seedFromText(text);
    if (!seed) throwJsError(say(FileTexts::notASeed, {text}));
    f.form().engine.setSeed(*seed);
    f.form().afterEvent();
}

}  // namespace

void bindFileCommands() {
    using emscripten::function;
    function("recentWith", &recentWithJson);
    function("recentCaption", &recentCaptionOf);
    function(
        "savedFileName",
        +[](const std::string& typed, const std::string& suffix) { return savedFileName(typed, suffix); });
    function(
        "pictureFileName", +[](const std::string& file, const std::string& pageName) {
            return pictureFileName(file, pageName);
        });
    function("fileTexts", &fileTextsJson);
    function("runCsv", &runCsvOf);
    function("pagePicture", &pagePictureOf);
    function("seed", &seedOf);
    function("setSeed", &setSeed);
}

}  // namespace vemrik::web
