// The page's module: what web/page reads and calls, as web-api.md in web/ describes.
#include <emscripten/bind.h>

#include <string>

#include "platform/texts.h"
#include "track_import/picture_fit.h"
#include "web/bindings/app_model.h"
#include "web/bindings/challenge.h"
#include "web/bindings/evaluate.h"
#include "web/bindings/evaluate_shares.h"
#include "web/bindings/file_commands.h"
#include "web/bindings/grade.h"
#include "web/bindings/js_error.h"
#include "web/bindings/picture.h"
#include "web/bindings/print_sheets.h"
#include "web/bindings/race.h"
#include "web/bindings/robot_log.h"
#include "web/bindings/sketch_download.h"
#include "web/bindings/web_form.h"

namespace vemrik::web {

namespace {

// The core's texts (the status line, the reports, the inspector) in "pl" or "en".
void setLanguage(const std::string& code) {
    if (code != "pl" && code != "en") throwJsError("Nie ma języka „" + code + "”");
    speakCore(code == "en" ? Language::English : Language::Polish);
}

// [width, height] of a picture fitted to the map's image, as the window fits it.
emscripten::val fittedPicture(int width, int height) {
    const PictureSize fitted = fittedPictureSize({width, height}, {kPictureWidth, kPictureHeight});
    emscripten::val size = emscripten::val::array();
    size.call<void>("push", fitted.width);
    size.call<void>("push", fitted.height);
    return size;
}

}  // namespace

}  // namespace vemrik::web

EMSCRIPTEN_BINDINGS(vemrik) {
    using namespace emscripten;
    using vemrik::web::WebForm;
    function("layout", &vemrik::web::layoutJson);
    function("menus", &vemrik::web::menusJson);
    function("commands", &vemrik::web::commandsJson);
    function("texts", &vemrik::web::controlTextsJson);
    function("setLanguage", &vemrik::web::setLanguage);
    function("fittedPicture", &vemrik::web::fittedPicture);
    function("evaluate", &vemrik::web::evaluate);
    function("evaluateCsv", &vemrik::web::evaluateCsv);
    function("evaluationSettings", &vemrik::web::evaluationSettings);
    function("evaluationTexts", &vemrik::web::evaluationTexts);
    function("evaluateShare", &vemrik::web::evaluateShare);
    function("evaluationResult", &vemrik::web::evaluationResult);
    vemrik::web::bindFileCommands();
    vemrik::web::bindChallenges();
    vemrik::web::bindRace();
    function("printSheets", &vemrik::web::printSheets);
    function("printSheetRGBA", &vemrik::web::printSheetRGBA);
    function("printTexts", &vemrik::web::printTextsJson);
    function("sketchNote", &vemrik::web::sketchNote);
    function("sketchDownload", &vemrik::web::sketchDownload);
    function("robotLogReport", &vemrik::web::robotLogReportJson);
    function("gradeClass", &vemrik::web::gradeClass);
    function("gradingTexts", &vemrik::web::gradingTextsJson);
    class_<WebForm>("WebForm")
        .constructor<>()
        .function("controls", &WebForm::controls)
        .function("imageWidth", &WebForm::imageWidth)
        .function("imageHeight", &WebForm::imageHeight)
        .function("imageRGBA", &WebForm::imageRGBA)
        .function("command", &WebForm::command)
        .function("press", &WebForm::press)
        .function("mouse", &WebForm::mouse)
        .function("check", &WebForm::check)
        .function("setTrack", &WebForm::setTrack)
        .function("selectRule", &WebForm::selectRule)
        .function("page", &WebForm::page)
        .function("tick", &WebForm::tick)
        .function("runTick", &WebForm::runTick)
        .function("showStep", &WebForm::showStep)
        .function("save", &WebForm::save)
        .function("open", &WebForm::open)
        .function("keep", &WebForm::keep)
        .function("ruleCheck", &WebForm::ruleCheck)
        .function("inspect", &WebForm::inspect)
        .function("importPicture", &WebForm::importPicture)
        .function("showEvaluatedRun", &WebForm::showEvaluatedRun);
}
