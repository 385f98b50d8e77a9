#include "web/bindings/web_form.h"

#include <algorithm>
#include <optional>
#include <string>

#include "engine/run_control.h"
#include "ui/control_events.h"
#include "ui/evaluation_texts.h"
#include "ui/inspector_text.h"
#include "ui/refresh_cycle.h"
#include "ui/workspace_form.h"
#include "web/bindings/app_model.h"
#include "web/bindings/evaluate.h"
#include "web/bindings/form_texts.h"
#include "web/bindings/js_error.h"
#include "web/bindings/picture.h"
#include "workspace/workspace_json.h"

namespace vemrik::web {

WebForm::WebForm() : form_(std::make_unique<TForm1>()) {}

template <class Handler>
void WebForm::handle(Handler&& handler) {
    std::string error;
    bool failed = false;
    try {
        handler();
    } catch (const std::exception& e) {
        error = e.what();
        failed = true;
    } catch (...) {
        failed = true;
    }
    // As the window after each of its events, so both show the same form.
    form_->afterEvent();
    if (failed) throwJsError(error.empty() ? "Nieoczekiwany błąd" : error);
}

const Raster& WebForm::canvas(const std::string& id) const {
    const Image* image = imageOf(*form_, id);
    if (!image) throwJsError("Nie ma obrazu „" + id + "”");
    return image->canvas;
}

std::string WebForm::controls() { return controlsJson(*form_); }

int WebForm::imageWidth(const std::string& id) const { return canvas(id).width(); }
int WebForm::imageHeight(const std::string& id) const { return canvas(id).height(); }

emscripten::val WebForm::imageRGBA(const std::string& id) {
    const Raster& c = canvas(id);
    rgba_.resize(static_cast<std::size_t>(c.width()) * static_cast<std::size_t>(c.height()) * 4);
    toRGBA(c, rgba_.data());
    return emscripten::val(emscripten::typed_memory_view(rgba_.size(), rgba_.data()));
}

void WebForm::command(const std::string& id) {
    if (!takesCommand(id)) throwJsError("Nie ma polecenia „" + id + "”");
    handle([&] { runCommand(*form_, id); });
}

void WebForm::press(const std::string& id) {
    const FormHandler h = pressHandler(id);
    if (!h) throwJsError("Nie ma przycisku „" + id + "”");
    handle([this, h] { (form_.get()->*h)(); });
}

void WebForm::mouse(const std::string& id, const std::string& kind, int x, int y) {
    if (!imageOf(*form_, id)) throwJsError("Nie ma obrazu „" + id + "”");
    const BoardHandlers* h = boardHandlersOf(id);
    if (!h) return;
    TForm1& f = *form_;
    if (kind == "down")
        handle([&] { (f.*h->press)(x, y); });
    else if (kind == "move")
        handle([&] { (f.*h->move)(x, y); });
    else if (kind == "up")
        handle([&] { (f.*h->release)(x, y); });
    else if (kind == "click")
        handle([&] { (f.*h->click)(); });
    else
        throwJsError("Nieznane zdarzenie myszy „" + kind + "”");
}

void WebForm::check(const std::string& id, bool on) {
    const int sensor = sensorOf(id);
    if (sensor < 0) throwJsError("Nie ma czujnika „" + id + "”");
    // As the window's box: ticked first, then its handler.
    form_->checkBox(sensor + 1).checked = on;
    handle([&] { form_->checkSensor(sensor, on); });
}

void WebForm::setTrack(const std::string& id, int value) {
    TrackBar* bar = trackBarOf(*form_, id);
    if (!bar) throwJsError("Nie ma suwaka „" + id + "”");
    // As a slider does: it cannot be set beyond its ends.
    bar->position = std::clamp(value, bar->min, bar->max);
    const FormHandler change = trackBarChange(id);
    handle([&] { (form_.get()->*change)(); });
}

void WebForm::selectRule(int line) {
    handle([&] { form_->SelectRule(line); });
}

void WebForm::page(int n) {
    if (n < 0 || n > 3) throwJsError("Nie ma strony " + std::to_string(n));
    handle([&] { form_->TabbedNotebook1Change(n); });
}

bool WebForm::tick() {
    if (!form_->Timer1.enabled) return false;
    // An idle tick only counts, as in the window.
    if (!refreshDue(form_->Shell)) {
        form_->Timer1Timer();
        return false;
    }
    handle([&] { form_->Timer1Timer(); });
    // As the window's boxes do: on "Algorytm" they show the pattern "Dodaj" would add.
    if (form_->NotebookPageIndex == kAlgorithmPage) form_->ShowPatternOnBoxes();
    return true;
}

bool WebForm::runTick() {
    if (!form_->Timer2.enabled) return false;
    handle([&] { form_->Timer2Timer(); });
    return true;
}

void WebForm::showStep(double step) {
    if (!(step >= 0)) throwJsError("Nie ma kroku " + std::to_string(step));
    handle([&] { form_->ShowStep(static_cast<std::uint64_t>(step)); });
}

std::string WebForm::showEvaluatedRun(const std::string& judgedText, double seed, int steps,
                                      const emscripten::val& noise) {
    const std::string refusal = evaluatedRunRefusal(save() != judgedText, steps);
    if (!refusal.empty()) return refusal;
    const Noise judgedNoise = noiseOf(noise);
    handle([&] {
        form_->ReplaySeededRun(static_cast<std::uint32_t>(seed), evaluatedRunStop(steps), judgedNoise);
    });
    page(kSimulationPage);
    return {};
}

std::string WebForm::save() const { return toJson(captureWorkspace(*form_)); }

void WebForm::open(const std::string& text) {
    const ParsedWorkspace read = parseWorkspace(text);
    if (!read.workspace) throwJsError(read.error);
    handle([&] { applyWorkspace(*form_, *read.workspace); });
}

void WebForm::keep(const std::string& fileName) { form_->document.keep(fileName, form_->engine); }

std::string WebForm::ruleCheck() const { return ruleCheckText(*form_); }

std::string WebForm::inspect() const { return vemrik::inspectorText(*form_); }

void WebForm::importPicture(const emscripten::val& rgba, int width, int height) {
    const std::vector<std::uint8_t> bytes = emscripten::convertJSArrayToNumberVector<std::uint8_t>(rgba);
    std::string error;
    const std::optional<GreyImage> grey = greyPicture(bytes, width, height, error);
    if (!grey) throwJsError(error);
    handle([&] { importTrackPicture(*form_, *grey); });
}

}  // namespace vemrik::web
