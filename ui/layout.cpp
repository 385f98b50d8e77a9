#include "ui/layout.h"

#include <algorithm>
#include <array>

namespace vemrik {

namespace {

using K = ControlKind;

constexpr Text kNone{"", ""};

// The captions' letters are what Alt presses them by: no letter repeats on a page, and none is one
// of the menus'.
constexpr std::array kLayout = {
    // Page 0, "Robot"
    ControlSpec{K::Image, "robot.board", "Image1", 0, 8, 8, 201, 201, kNone, true},
    ControlSpec{K::Button, "robot.body", "Button1", 0, 224, 8, 75, 25, {"&Konstrukcja", "&Body"}, true},
    ControlSpec{K::Button, "robot.clear", "Button2", 0, 224, 32, 75, 25, {"&Czysc", "&Clear"}, true},
    ControlSpec{K::Button, "robot.wheel", "Button3", 0, 224, 56, 75, 25, {"Ko&lo", "&Wheel"}, true},
    ControlSpec{K::Button, "robot.sensor", "Button4", 0, 224, 80, 75, 25, {"C&zujnik", "&Sensor"}, true},
    ControlSpec{
        K::Button, "robot.sensor2", "Button12", 0, 296, 80, 75, 25, {"Czujnik &2", "Sensor &2"}, true},
    // Right of the board, under the tool buttons; wider when another language's words need it.
    ControlSpec{K::Note,
                "robot.front",
                "LabelFront",
                0,
                224,
                112,
                160,
                40,
                {"przód robota\njest u góry planszy", "the robot’s front\nis at the top of the board"},
                true},
    // Page 1, "Mapa"
    ControlSpec{K::Image, "map.board", "Image2", 1, 0, 0, 701, 401, kNone, true},
    ControlSpec{K::Button, "map.line", "Button5", 1, 704, 0, 75, 25, {"&Linia", "&Line"}, true},
    ControlSpec{K::Button, "map.clear", "Button6", 1, 704, 24, 75, 25, {"&Czysc", "&Clear"}, true},
    ControlSpec{K::Button, "map.start", "Button8", 1, 704, 48, 75, 25, {"S&tart", "S&tart"}, true},
    ControlSpec{K::Button, "map.stop", "Button9", 1, 704, 72, 75, 25, {"St&op", "St&op"}, true},
    ControlSpec{K::Button, "map.brush", "Button7", 1, 704, 152, 75, 25, {"P&endzel", "B&rush"}, true},
    ControlSpec{K::Button, "map.undo", "Button10", 1, 704, 176, 75, 25, {"Co&fnij", "&Undo"}, true},
    ControlSpec{K::Button, "map.erase", "Button11", 1, 704, 200, 75, 25, {"&Usun", "&Erase"}, true},
    // Page 2, "Algorytm"
    ControlSpec{K::Image, "rules.sensors", "Image3", 2, 8, 8, 201, 201, kNone, true},
    ControlSpec{K::Image, "rules.preview", "Image4", 2, 216, 8, 201, 201, kNone, true},
    ControlSpec{K::CheckBox, "rules.sensor1", "CheckBox1", 2, 440, 24, 97, 17, kNone, true},
    ControlSpec{K::CheckBox, "rules.sensor2", "CheckBox2", 2, 456, 24, 97, 17, kNone, true},
    ControlSpec{K::CheckBox, "rules.sensor3", "CheckBox3", 2, 472, 24, 97, 17, kNone, true},
    ControlSpec{K::CheckBox, "rules.sensor4", "CheckBox4", 2, 488, 24, 97, 17, kNone, true},
    ControlSpec{K::CheckBox, "rules.sensor5", "CheckBox5", 2, 504, 24, 73, 17, kNone, true},
    ControlSpec{K::CheckBox, "rules.sensor6", "CheckBox6", 2, 520, 24, 57, 17, kNone, true},
    ControlSpec{K::CheckBox, "rules.sensor7", "CheckBox7", 2, 536, 24, 41, 17, kNone, true},
    ControlSpec{K::CheckBox, "rules.sensor8", "CheckBox8", 2, 552, 24, 25, 17, kNone, true},
    ControlSpec{K::TrackBar, "rules.angle", "TrackBar1", 2, 592, 24, 150, 25, kNone, true},
    ControlSpec{K::Label, "rules.angleText", "Label1", 2, 744, 24, 0, 0, {"0", "0"}, true},
    ControlSpec{K::Button, "rules.add", "Button13", 2, 440, 48, 75, 17, {"&Dodaj", "&Add"}, true},
    ControlSpec{K::Button, "rules.delete", "Button14", 2, 520, 48, 75, 17, {"&Usuń", "&Delete"}, true},
    ControlSpec{
        K::Label, "rules.text", "Label2", 2, 608, 48, 0, 0, {"0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0"}, true},
    ControlSpec{K::ListBox, "rules.list", "ListBox1", 2, 440, 72, 225, 217, kNone, true},
    // Under the rule list, clear of every control of the page.
    ControlSpec{K::Button,
                "rules.check",
                "ButtonCheckRules",
                2,
                440,
                296,
                120,
                21,
                {"Sp&rawdź reguły…", "Check &rules…"},
                true},
    // Page 3, "Symulacja"
    ControlSpec{K::Image, "sim.view", "Image5", 3, 0, 0, 701, 401, kNone, true},
    // The start heading over "Start": its name (a little left of the column, so that a zoomed font
    // stays clear of the page's edge), the slider, and its value under the slider.
    ControlSpec{K::Note,
                "sim.headingName",
                "LabelHeadingName",
                3,
                702,
                2,
                85,
                14,
                {"Kierunek startu", "Start heading"},
                true},
    ControlSpec{K::TrackBar, "sim.heading", "TrackBar2", 3, 704, 16, 78, 25, kNone, true},
    ControlSpec{K::Caption, "sim.headingValue", "LabelHeadingValue", 3, 704, 41, 78, 14, kNone, true},
    ControlSpec{K::Button, "sim.start", "Button15", 3, 704, 60, 75, 17, {"S&tart", "S&tart"}, true},
    ControlSpec{K::BitButton, "sim.step", "BitBtn6", 3, 704, 84, 75, 17, {"&Krok", "&Step"}, true},
    ControlSpec{K::Button, "sim.back", "Button16", 3, 704, 108, 75, 17, {"W&róć", "&Reset"}, true},
    ControlSpec{K::BitButton, "sim.on", "BitBtn7", 3, 704, 132, 75, 17, {"Włą&cz", "O&n"}, true},
    ControlSpec{K::BitButton, "sim.off", "BitBtn8", 3, 704, 156, 75, 17, {"W&yłącz", "&Off"}, true},
    // The column of the run buttons goes on below "Wyłącz", clear of the image and the track bar:
    // the step back, the step shown (two lines, so "Krok 99999 z 100000" fits), the start heading.
    ControlSpec{K::Button,
                "sim.stepBack",
                "ButtonStepBack",
                3,
                704,
                180,
                75,
                17,
                {"Krok wst&ecz", "Step &back"},
                true},
    ControlSpec{K::Caption, "sim.stepText", "LabelStep", 3, 704, 202, 84, 34, kNone, true},
    ControlSpec{K::Slider, "sim.stepSlider", "SliderStep", 3, 704, 238, 78, 22, kNone, true},
    ControlSpec{K::Caption, "sim.headingText", "LabelStartHeading", 3, 704, 266, 84, 28, kNone, true},
    ControlSpec{K::Arrow, "sim.headingArrow", "LabelStartArrow", 3, 704, 296, 78, 48, kNone, true},
    // On the form, never shown
    ControlSpec{K::Memo, "form.memo", "Memo1", -1, 800, 48, 137, 217, kNone, false},
    ControlSpec{K::BitButton, "form.zm", "BitBtn1", -1, 800, 280, 33, 17, {"zm", "zm"}, false},
    ControlSpec{K::BitButton, "form.robotPage", "BitBtn2", -1, 840, 280, 33, 17, {"rob 0", "rob 0"}, false},
    ControlSpec{K::BitButton, "form.mapPage", "BitBtn3", -1, 840, 296, 33, 17, {"map 1", "map 1"}, false},
    ControlSpec{K::BitButton, "form.rulesPage", "BitBtn4", -1, 840, 312, 33, 17, {"alg 2", "alg 2"}, false},
    ControlSpec{K::BitButton, "form.simPage", "BitBtn5", -1, 840, 328, 33, 17, {"sym 3", "sym 3"}, false},
};

}  // namespace

std::span<const ControlSpec> formLayout() { return kLayout; }

const ControlSpec* findControl(std::string_view id) {
    const auto it =
        std::find_if(kLayout.begin(), kLayout.end(), [&](const ControlSpec& c) { return c.id == id; });
    return it == kLayout.end() ? nullptr : &*it;
}

}  // namespace vemrik
