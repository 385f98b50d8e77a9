// The page's module: what web/page reads and calls, as web-api.md in web/ describes.
#include <emscripten/bind.h>

#include <nlohmann/json.hpp>

#include "ui/layout.h"
#include "web/bindings/evaluate.h"
#include "web/bindings/web_form.h"

namespace vemrik::web {

namespace {

const char* kindName(ControlKind k) {
    switch (k) {
        case ControlKind::Image:
            return "Image";
        case ControlKind::Button:
            return "Button";
        case ControlKind::BitButton:
            return "BitButton";
        case ControlKind::CheckBox:
            return "CheckBox";
        case ControlKind::TrackBar:
            return "TrackBar";
        case ControlKind::Label:
            return "Label";
        case ControlKind::ListBox:
            return "ListBox";
        case ControlKind::Memo:
            return "Memo";
    }
    return "?";
}

std::string layoutJson() {
    nlohmann::json out = nlohmann::json::array();
    for (const ControlSpec& c : formLayout())
        out.push_back({{"kind", kindName(c.kind)},
                       {"name", c.name},
                       {"page", c.page},
                       {"left", c.left},
                       {"top", c.top},
                       {"width", c.width},
                       {"height", c.height},
                       {"caption", c.caption},
                       {"visible", c.visible}});
    return out.dump();
}

}  // namespace

}  // namespace vemrik::web

EMSCRIPTEN_BINDINGS(vemrik) {
    using namespace emscripten;
    using vemrik::web::WebForm;
    function("layout", &vemrik::web::layoutJson);
    function("evaluate", &vemrik::web::evaluate);
    function("evaluateCsv", &vemrik::web::evaluateCsv);
    function("evaluationSettings", &vemrik::web::evaluationSettings);
    class_<WebForm>("WebForm")
        .constructor<>()
        .function("controls", &WebForm::controls)
        .function("imageWidth", &WebForm::imageWidth)
        .function("imageHeight", &WebForm::imageHeight)
        .function("imageRGBA", &WebForm::imageRGBA)
        .function("call", &WebForm::call)
        .function("mouse", &WebForm::mouse)
        .function("check", &WebForm::check)
        .function("setTrack", &WebForm::setTrack)
        .function("selectRule", &WebForm::selectRule)
        .function("page", &WebForm::page)
        .function("tick", &WebForm::tick)
        .function("runTick", &WebForm::runTick)
        .function("pause", &WebForm::pause)
        .function("stepBack", &WebForm::stepBack)
        .function("showStep", &WebForm::showStep)
        .function("save", &WebForm::save)
        .function("open", &WebForm::open)
        .function("ruleCheck", &WebForm::ruleCheck)
        .function("inspect", &WebForm::inspect)
        .function("importPicture", &WebForm::importPicture);
}
