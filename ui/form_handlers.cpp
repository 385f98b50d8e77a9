#include "ui/form_handlers.h"

#include <algorithm>
#include <array>

namespace vemrik {

namespace {

struct NamedHandler {
    std::string_view name;
    FormHandler handler;
};

constexpr std::array kClickHandlers = {
    NamedHandler{"Button1", &TForm1::Button1Click},        NamedHandler{"Button2", &TForm1::Button2Click},
    NamedHandler{"Button3", &TForm1::Button3Click},        NamedHandler{"Button4", &TForm1::Button4Click},
    NamedHandler{"Button5", &TForm1::Button5Click},        NamedHandler{"Button6", &TForm1::Button6Click},
    NamedHandler{"Button7", &TForm1::Button7Click},        NamedHandler{"Button8", &TForm1::Button8Click},
    NamedHandler{"Button9", &TForm1::Button9Click},        NamedHandler{"Button10", &TForm1::Button10Click},
    NamedHandler{"Button11", &TForm1::Button11Click},      NamedHandler{"Button12", &TForm1::Button12Click},
    NamedHandler{"Button13", &TForm1::Button13Click},      NamedHandler{"Button14", &TForm1::Button14Click},
    NamedHandler{"Button15", &TForm1::StartFromStartCell}, NamedHandler{"Button16", &TForm1::Button16Click},
    NamedHandler{"BitBtn1", &TForm1::BitBtn1Click},        NamedHandler{"BitBtn2", &TForm1::BitBtn2Click},
    NamedHandler{"BitBtn3", &TForm1::BitBtn3Click},        NamedHandler{"BitBtn4", &TForm1::BitBtn4Click},
    NamedHandler{"BitBtn5", &TForm1::BitBtn5Click},        NamedHandler{"BitBtn6", &TForm1::BitBtn6Click},
    NamedHandler{"BitBtn7", &TForm1::BitBtn7Click},        NamedHandler{"BitBtn8", &TForm1::BitBtn8Click},
};

constexpr BoardHandlers kRobotBoard{&TForm1::Image1MouseDown, &TForm1::Image1MouseMove,
                                    &TForm1::Image1MouseUp, &TForm1::Image1Click};
constexpr BoardHandlers kMapBoard{&TForm1::Image2MouseDown, &TForm1::Image2MouseMove, &TForm1::Image2MouseUp,
                                  &TForm1::Image2Click};

}  // namespace

FormHandler clickHandler(std::string_view name) {
    const auto* it = std::find_if(kClickHandlers.begin(), kClickHandlers.end(),
                                  [&](const NamedHandler& h) { return h.name == name; });
    return it == kClickHandlers.end() ? nullptr : it->handler;
}

const BoardHandlers* boardHandlers(std::string_view imageName) {
    if (imageName == "Image1") return &kRobotBoard;
    if (imageName == "Image2") return &kMapBoard;
    return nullptr;
}

}  // namespace vemrik
