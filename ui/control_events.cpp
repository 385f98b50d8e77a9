#include "ui/control_events.h"

#include <array>
#include <type_traits>
#include <utility>

#include "map/map_editor.h"
#include "robot/robot_editor.h"
#include "ui/commands.h"
#include "ui/layout.h"

namespace vemrik {

namespace {

// The form's name of the control with that id: the handlers and members are named for it.
std::string_view nameOf(std::string_view id, ControlKind kind) {
    const ControlSpec* c = findControl(id);
    return c && c->kind == kind ? c->name : std::string_view();
}

template <class Table>
auto lookUp(const Table& table, std::string_view name) -> std::remove_cvref_t<decltype(table[0].second)> {
    for (const auto& [n, member] : table)
        if (!name.empty() && n == name) return member;
    return nullptr;
}

constexpr std::array<std::pair<std::string_view, Image TForm1::*>, 5> kImages = {{
    {"Image1", &TForm1::Image1},
    {"Image2", &TForm1::Image2},
    {"Image3", &TForm1::Image3},
    {"Image4", &TForm1::Image4},
    {"Image5", &TForm1::Image5},
}};
constexpr std::array<std::pair<std::string_view, TrackBar TForm1::*>, 2> kTrackBars = {{
    {"TrackBar1", &TForm1::TrackBar1},
    {"TrackBar2", &TForm1::TrackBar2},
}};
constexpr std::array<std::pair<std::string_view, FormHandler>, 2> kTrackBarChanges = {{
    {"TrackBar1", &TForm1::TrackBar1Change},
    {"TrackBar2", &TForm1::TrackBar2Change},
}};
constexpr std::array<std::pair<std::string_view, Label TForm1::*>, 2> kLabels = {{
    {"Label1", &TForm1::Label1},
    {"Label2", &TForm1::Label2},
}};
// In the order of the sensors they stand for.
constexpr std::array<std::pair<std::string_view, CheckBox TForm1::*>, kSensorSlots> kCheckBoxes = {{
    {"CheckBox1", &TForm1::CheckBox1},
    {"CheckBox2", &TForm1::CheckBox2},
    {"CheckBox3", &TForm1::CheckBox3},
    {"CheckBox4", &TForm1::CheckBox4},
    {"CheckBox5", &TForm1::CheckBox5},
    {"CheckBox6", &TForm1::CheckBox6},
    {"CheckBox7", &TForm1::CheckBox7},
    {"CheckBox8", &TForm1::CheckBox8},
}};

// The buttons the front ends add to the form, each a command of the menus on a page of its own.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kCommandButtons = {{
    {"ButtonStepBack", "run.stepBack"},
    {"ButtonCheckRules", "run.ruleCheck"},
}};

// The buttons that choose a board's tool; the robot's and the map's tools share their numbers.
constexpr std::array<std::pair<std::string_view, std::int32_t>, 10> kToolButtons = {{
    {"Button1", kToolBody},
    {"Button2", kToolErase},
    {"Button3", kToolWheel},
    {"Button4", kToolSensor},
    {"Button12", kToolDoubleSensor},
    {"Button5", kToolLine},
    {"Button6", kToolClearCell},
    {"Button7", kToolBrush},
    {"Button8", kToolStart},
    {"Button9", kToolStop},
}};

std::string_view buttonName(std::string_view id) {
    const std::string_view name = nameOf(id, ControlKind::Button);
    return name.empty() ? nameOf(id, ControlKind::BitButton) : name;
}

std::int32_t toolOf(std::string_view id) {
    const std::string_view name = nameOf(id, ControlKind::Button);
    for (const auto& [button, tool] : kToolButtons)
        if (!name.empty() && button == name) return tool;
    return kRobotNoTool;
}

}  // namespace

std::string_view buttonCommand(std::string_view id) {
    const std::string_view name = buttonName(id);
    for (const auto& [button, command] : kCommandButtons)
        if (!name.empty() && button == name) return command;
    return {};
}

FormHandler pressHandler(std::string_view id) {
    const std::string_view name = buttonName(id);
    if (name.empty()) return nullptr;
    if (const Command* command = findCommand(buttonCommand(id))) return command->run;
    return clickHandler(name);
}

const BoardHandlers* boardHandlersOf(std::string_view id) {
    const std::string_view name = nameOf(id, ControlKind::Image);
    return name.empty() ? nullptr : boardHandlers(name);
}

Image* imageOf(TForm1& form, std::string_view id) {
    Image TForm1::*member = lookUp(kImages, nameOf(id, ControlKind::Image));
    return member ? &(form.*member) : nullptr;
}

int sensorOf(std::string_view id) {
    const std::string_view name = nameOf(id, ControlKind::CheckBox);
    for (std::size_t k = 0; k < kCheckBoxes.size(); ++k)
        if (!name.empty() && kCheckBoxes[k].first == name) return static_cast<int>(k);
    return -1;
}

const CheckBox* checkBoxOf(const TForm1& form, std::string_view id) {
    CheckBox TForm1::*member = lookUp(kCheckBoxes, nameOf(id, ControlKind::CheckBox));
    return member ? &(form.*member) : nullptr;
}

TrackBar* trackBarOf(TForm1& form, std::string_view id) {
    TrackBar TForm1::*member = lookUp(kTrackBars, nameOf(id, ControlKind::TrackBar));
    return member ? &(form.*member) : nullptr;
}

const TrackBar* trackBarOf(const TForm1& form, std::string_view id) {
    return trackBarOf(const_cast<TForm1&>(form), id);
}

FormHandler trackBarChange(std::string_view id) {
    return lookUp(kTrackBarChanges, nameOf(id, ControlKind::TrackBar));
}

const Label* labelOf(const TForm1& form, std::string_view id) {
    Label TForm1::*member = lookUp(kLabels, nameOf(id, ControlKind::Label));
    return member ? &(form.*member) : nullptr;
}

bool choosesTool(std::string_view id) { return toolOf(id) != kRobotNoTool; }

bool buttonDown(const TForm1& form, std::string_view id) {
    // The boards share the tools' numbers: a tool chosen on one is no tool of the other.
    return choosesTool(id) && toolOf(id) == form.Shell.EditTool &&
           findControl(id)->page == form.NotebookPageIndex;
}

}  // namespace vemrik
