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
#include <string_view>

#include "scenes/scenes.h"
#include "ui/form.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_json.h"

namespace {

using vemrik::TForm1;

struct Handler {
    std::string_view name;
    void (TForm1::*click)();
};

constexpr std::array kClicks = {
    Handler{"Button1", &TForm1::Button1Click},   Handler{"Button2", &TForm1::Button2Click},
    Handler{"Button3", &TForm1::Button3Click},   Handler{"Button4", &TForm1::Button4Click},
    Handler{"Button12", &TForm1::Button12Click}, Handler{"Button5", &TForm1::Button5Click},
    Handler{"Button6", &TForm1::Button6Click},   Handler{"Button7", &TForm1::Button7Click},
    Handler{"Button8", &TForm1::Button8Click},   Handler{"Button9", &TForm1::Button9Click},
    Handler{"Button10", &TForm1::Button10Click}, Handler{"Button11", &TForm1::Button11Click},
    Handler{"Button13", &TForm1::Button13Click}, Handler{"Button14", &TForm1::Button14Click},
};

vemrik::Image& imageOf(TForm1& form, int n) {
    std::array images = {&form.Image1, &form.Image2, &form.Image3, &form.Image4, &form.Image5};
    return *images.at(static_cast<std::size_t>(n - 1));
}

void mouse(TForm1& form, int n, const std::string& kind, int x, int y) {
    using Move = void (TForm1::*)(int, int);
    const std::array<std::array<Move, 3>, 2> handlers = {{
        {&TForm1::Image1MouseDown, &TForm1::Image1MouseMove, &TForm1::Image1MouseUp},
        {&TForm1::Image2MouseDown, &TForm1::Image2MouseMove, &TForm1::Image2MouseUp},
    }};
    const int which = kind == "down" ? 0 : kind == "move" ? 1 : 2;
    (form.*handlers.at(static_cast<std::size_t>(n - 1)).at(static_cast<std::size_t>(which)))(x, y);
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
        for (const auto& h : kClicks) {
            if (h.name == word) (form.*h.click)();
        }
    } else if (command == "mouse") {
        in >> n >> word >> x >> y;
        mouse(form, n, word, x, y);
    } else if (command == "check") {
        in >> n >> x;
        form.checkBox(n + 1).checked = x != 0;
        form.checkSensor(n, x != 0);
    } else if (command == "track") {
        in >> n >> x;
        if (n == 1) {
            form.TrackBar1.position = x;
            form.TrackBar1Change();
        } else {
            form.TrackBar2.position = x;
            form.TrackBar2Change();
        }
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
