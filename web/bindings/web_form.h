#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/form.h"

namespace vemrik::web {

/// The form as the page drives it: the window's events by name, the canvases as RGBA, the
/// controls' state as JSON. After every event it does what the window does after one.
class WebForm {
public:
    WebForm();

    std::string controls();
    int imageWidth(int n) const;
    int imageHeight(int n) const;
    emscripten::val imageRGBA(int n);

    void call(const std::string& name);
    void mouse(int n, const std::string& kind, int x, int y);
    void check(int sensor, bool on);
    void setTrack(int n, int value);
    void selectRule(int line);
    void page(int n);
    bool tick();
    bool runTick();
    void pause();
    void stepBack();
    void showStep(double step);

    std::string save() const;
    void open(const std::string& text);
    std::string ruleCheck() const;
    std::string inspect() const;
    void importPicture(const emscripten::val& rgba, int width, int height);

    TForm1& form() { return *form_; }

private:
    /// Runs one handler as the window's handle() does; a failure becomes a JS Error.
    template <class Handler>
    void handle(Handler&& handler);
    /// What the window refreshes after every event that touches the run's record.
    void afterEvent();
    const Raster& canvas(int n) const;

    std::unique_ptr<TForm1> form_;
    std::vector<std::uint8_t> rgba_;
};

}  // namespace vemrik::web
