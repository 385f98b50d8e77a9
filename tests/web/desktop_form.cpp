// The desktop's side of the browser tests: the toolkit-free form driven by a script of events on
// standard input, writing what the window would show. One command a line:
//   open PATH | page N | call NAME | mouse N down|move|up X Y | ticks K
//   check SENSOR 0|1 | track N POSITION | select LINE
//   image N PATH (RGBA bytes, alpha 255) | save PATH (the workspace file)
//   busy PATH (the busy scene's workspace file, for measuring the page)
#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "scenes/scenes.h"
#include "ui/form.h"
#include "ui/form_handlers.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_json.h"

namespace {

using vemrik::TForm1;

vemrik::Image& imageOf(TForm1& form, int n) {
    std::array images = {&form.Image1, &form.Image2, &form.Image3, &form.Image4, &form.Image5};
    return *images.at(static_cast<std::size_t>(n - 1));
}

void mouse(TForm1& form, int n, const std::string& kind, int x, int y) {
    const vemrik::BoardHandlers& board = *vemrik::boardHandlers("Image" + std::to_string(n));
    (form.*(kind == "down" ? board.press : kind == "move" ? board.move : board.release))(x, y);
}

// The raster keeps 0x00BBGGRR pixels; a canvas shows RGBA bytes, opaque.
void writeImage(TForm1& form, int n, const std::string& path) {
    const vemrik::Raster& raster = imageOf(form, n).canvas;
    std::string bytes;
    for (int y = 0; y < raster.height(); ++y) {
        for (int x = 0; x < raster.width(); ++x) {
            const std::uint32_t p = raster.pixel(x, y);
            bytes += {static_cast<char>(p & 0xFF), static_cast<char>((p >> 8) & 0xFF),
                      static_cast<char>((p >> 16) & 0xFF), static_cast<char>(0xFF)};
        }
    }
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void run(TForm1& form, const std::string& line) {
    std::istringstream in(line);
    std::string command, word;
    in >> command;
    int n = 0, x = 0, y = 0;
    if (command == "open") {
        in >> word;
        applyWorkspace(form, *vemrik::parseWorkspace(readFile(word)).workspace);
    } else if (command == "page") {
        in >> n;
        form.TabbedNotebook1Change(n);
    } else if (command == "call") {
        in >> word;
        if (const vemrik::FormHandler h = vemrik::clickHandler(word)) (form.*h)();
    } else if (command == "mouse") {
        in >> n >> word >> x >> y;
        mouse(form, n, word, x, y);
    } else if (command == "check") {
        in >> n >> x;
        form.checkBox(n + 1).checked = x != 0;
        form.checkSensor(n, x != 0);
    } else if (command == "track") {
        in >> n >> x;
        (n == 1 ? form.TrackBar1 : form.TrackBar2).position = x;
        n == 1 ? form.TrackBar1Change() : form.TrackBar2Change();
    } else if (command == "select") {
        in >> n;
        form.SelectRule(n);
    } else if (command == "ticks") {
        in >> n;
        for (int i = 0; i < n; ++i) form.Timer1Timer();
    } else if (command == "image") {
        in >> n >> word;
        writeImage(form, n, word);
    } else if (command == "busy") {
        in >> word;
        std::ofstream(word, std::ios::binary) << vemrik::toJson(vemrik::busyScene());
    } else if (command == "save") {
        in >> word;
        std::ofstream(word, std::ios::binary) << vemrik::toJson(vemrik::captureWorkspace(form));
    }
}

}  // namespace

int main() {
    TForm1 form;
    for (std::string line; std::getline(std::cin, line);) run(form, line);
    return 0;
}
