#include "ui/layout.h"

#include <algorithm>
#include <array>

namespace vemrik {

namespace {

using K = ControlKind;

constexpr std::array kLayout = {
    // Page 0, "Robot"
    ControlSpec{K::Image, "Image1", 0, 8, 8, 201, 201, "", true},
    ControlSpec{K::Button, "Button1", 0, 224, 8, 75, 25, "Konstrukcja", true},
    ControlSpec{K::Button, "Button2", 0, 224, 32, 75, 25, "Czysc", true},
    ControlSpec{K::Button, "Button3", 0, 224, 56, 75, 25, "Kolo", true},
    ControlSpec{K::Button, "Button4", 0, 224, 80, 75, 25, "Czujnik", true},
    ControlSpec{K::Button, "Button12", 0, 296, 80, 75, 25, "Czujnik 2", true},
    // Page 1, "Mapa"
    ControlSpec{K::Image, "Image2", 1, 0, 0, 701, 401, "", true},
    ControlSpec{K::Button, "Button5", 1, 704, 0, 75, 25, "Linia", true},
    ControlSpec{K::Button, "Button6", 1, 704, 24, 75, 25, "Czysc", true},
    ControlSpec{K::Button, "Button8", 1, 704, 48, 75, 25, "Start", true},
    ControlSpec{K::Button, "Button9", 1, 704, 72, 75, 25, "Stop", true},
    ControlSpec{K::Button, "Button7", 1, 704, 152, 75, 25, "Pendzel", true},
    ControlSpec{K::Button, "Button10", 1, 704, 176, 75, 25, "Cofnij", true},
    ControlSpec{K::Button, "Button11", 1, 704, 200, 75, 25, "Usun", true},
    // Page 2, "Algorytm"
    ControlSpec{K::Image, "Image3", 2, 8, 8, 201, 201, "", true},
    ControlSpec{K::Image, "Image4", 2, 216, 8, 201, 201, "", true},
    ControlSpec{K::CheckBox, "CheckBox1", 2, 440, 24, 97, 17, "", true},
    ControlSpec{K::CheckBox, "CheckBox2", 2, 456, 24, 97, 17, "", true},
    ControlSpec{K::CheckBox, "CheckBox3", 2, 472, 24, 97, 17, "", true},
    ControlSpec{K::CheckBox, "CheckBox4", 2, 488, 24, 97, 17, "", true},
    ControlSpec{K::CheckBox, "CheckBox5", 2, 504, 24, 73, 17, "", true},
    ControlSpec{K::CheckBox, "CheckBox6", 2, 520, 24, 57, 17, "", true},
    ControlSpec{K::CheckBox, "CheckBox7", 2, 536, 24, 41, 17, "", true},
    ControlSpec{K::CheckBox, "CheckBox8", 2, 552, 24, 25, 17, "", true},
    ControlSpec{K::TrackBar, "TrackBar1", 2, 592, 24, 150, 25, "", true},
    ControlSpec{K::Label, "Label1", 2, 744, 24, 0, 0, "0", true},
    ControlSpec{K::Button, "Button13", 2, 440, 48, 75, 17, "Dodaj", true},
    ControlSpec{K::Button, "Button14", 2, 520, 48, 75, 17, "Usuń", true},
    ControlSpec{K::Label, "Label2", 2, 608, 48, 0, 0, "0 0 0 0 0 0 0 0 0", true},
    ControlSpec{K::ListBox, "ListBox1", 2, 440, 72, 225, 217, "", true},
    // Page 3, "Symulacja"
    ControlSpec{K::Image, "Image5", 3, 0, 0, 701, 401, "", true},
    ControlSpec{K::TrackBar, "TrackBar2", 3, 704, 8, 78, 25, "", true},
    ControlSpec{K::Button, "Button15", 3, 704, 32, 75, 17, "Start", true},
    ControlSpec{K::BitButton, "BitBtn6", 3, 704, 56, 75, 17, "Krok", true},
    ControlSpec{K::Button, "Button16", 3, 704, 80, 75, 17, "Wróć", true},
    ControlSpec{K::BitButton, "BitBtn7", 3, 704, 104, 75, 17, "Włącz", true},
    ControlSpec{K::BitButton, "BitBtn8", 3, 704, 128, 75, 17, "Wyłącz", true},
    // On the form, never shown
    ControlSpec{K::Memo, "Memo1", -1, 800, 48, 137, 217, "", false},
    ControlSpec{K::BitButton, "BitBtn1", -1, 800, 280, 33, 17, "zm", false},
    ControlSpec{K::BitButton, "BitBtn2", -1, 840, 280, 33, 17, "rob 0", false},
    ControlSpec{K::BitButton, "BitBtn3", -1, 840, 296, 33, 17, "map 1", false},
    ControlSpec{K::BitButton, "BitBtn4", -1, 840, 312, 33, 17, "alg 2", false},
    ControlSpec{K::BitButton, "BitBtn5", -1, 840, 328, 33, 17, "sym 3", false},
};

}  // namespace

std::span<const ControlSpec> formLayout() { return kLayout; }

const ControlSpec* findControl(std::string_view name) {
    const auto it =
        std::find_if(kLayout.begin(), kLayout.end(), [&](const ControlSpec& c) { return c.name == name; });
    return it == kLayout.end() ? nullptr : &*it;
}

}  // namespace vemrik
