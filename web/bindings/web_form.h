#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/form.h"

namespace vemrik::web {

/// The form as the page drives it: the commands by their ids, the controls' events by their layout
/// ids, the canvases as RGBA, the controls' state as JSON. After every event it does what the
/// window does after one.
class WebForm {
public:
    WebForm();

    std::string controls();
    int imageWidth(const std::string& id) const;
    int imageHeight(const std::string& id) const;
    emscripten::val imageRGBA(const std::string& id);

    void command(const std::string& id);
    void press(const std::string& id);
    void mouse(const std::string& id, const std::string& kind, int x, int y);
    void check(const std::string& id, bool on);
    void setTrack(const std::string& id, int value);
    void selectRule(int line);
    void page(int n);
    bool tick();
    bool runTick();
    void showStep(double step);

    std::string save() const;
    void open(const std::string& text);
    /// The work is now the file of this name, as just saved or opened.
    void keep(const std::string& fileName);
    std::string ruleCheck() const;
    std::string inspect() const;
    void importPicture(const emscripten::val& rgba, int width, int height);
    /// "Pokaż przebieg": the run of `seed` and `steps` steps of an evaluation of `judgedText` with
    /// `noise`, made again on "Symulacja" as the window does; why it cannot, or "".
    std::string showEvaluatedRun(const std::string& judgedText, double seed, int steps,
                                 const emscripten::val& noise);

    TForm1& form() { return *form_; }

private:
    /// Runs one handler as the window's handle() does; a failure becomes a JS Error.
    template <class Handler>
    void handle(Handler&& handler);
    const Raster& canvas(const std::string& id) const;

    std::unique_ptr<TForm1> form_;
    std::vector<std::uint8_t> rgba_;
};

}  // namespace vemrik::web
