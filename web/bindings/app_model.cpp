#include "web/bindings/app_model.h"

#include <nlohmann/json.hpp>

#include "ui/commands.h"
#include "ui/control_events.h"
#include "ui/control_texts.h"
#include "ui/layout.h"

namespace vemrik::web {

namespace {

using nlohmann::json;

json both(const Text& text) { return {{"pl", text.pl}, {"en", text.en}}; }

const char* kindName(CommandKind k) {
    switch (k) {
        case CommandKind::Action:
            return "Action";
        case CommandKind::Toggle:
            return "Toggle";
        case CommandKind::Choice:
            return "Choice";
        case CommandKind::Filled:
            return "Filled";
    }
    return "?";
}

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
        case ControlKind::Slider:
            return "Slider";
        case ControlKind::Caption:
            return "Caption";
        case ControlKind::Note:
            return "Note";
        case ControlKind::Arrow:
            return "Arrow";
    }
    return "?";
}

std::string_view menuName(MenuId id) {
    for (const MenuSpec& m : menus())
        if (m.id == id) return m.name;
    return "";
}

// Commands the window runs on the form without a handler of its own in the table: its import menu
// also waits for a picture being read.
void undoImport(TForm1& f) { f.UndoLastImport(); }

struct FormCommand {
    std::string_view id;
    void (*run)(TForm1&);
};
constexpr FormCommand kFormCommands[] = {
    {"file.undoImport", undoImport},
};

const FormCommand* formCommand(std::string_view id) {
    for (const FormCommand& c : kFormCommands)
        if (c.id == id) return &c;
    return nullptr;
}

}  // namespace

std::string menusJson() {
    json out = json::array();
    for (const MenuSpec& m : menus()) out.push_back({{"name", m.name}, {"caption", both(m.caption)}});
    return out.dump();
}

std::string commandsJson() {
    json out = json::array();
    for (const Command& c : commands())
        out.push_back({{"id", c.id},
                       {"menu", menuName(c.menu)},
                       {"submenu", both(c.submenu)},
                       {"caption", both(c.caption)},
                       {"shortcut", c.shortcut},
                       {"otherShortcut", c.otherShortcut},
                       {"kind", kindName(c.kind)},
                       {"separator", c.separatorBefore},
                       {"form", takesCommand(c.id)}});
    return out.dump();
}

std::string layoutJson() {
    json out = json::array();
    for (const ControlSpec& c : formLayout()) {
        out.push_back({{"kind", kindName(c.kind)},
                       {"id", c.id},
                       {"page", c.page},
                       {"left", c.left},
                       {"top", c.top},
                       {"width", c.width},
                       {"height", c.height},
                       {"caption", both(c.caption)},
                       {"visible", c.visible},
                       {"pointer", boardHandlersOf(c.id) != nullptr},
                       {"command", buttonCommand(c.id)},
                       {"tool", choosesTool(c.id)}});
        if (c.kind == ControlKind::Arrow) out.back()["drawn"] = kHeadingArrowSize;
        if (c.id == "sim.heading") out.back()["pageStep"] = kHeadingPageStep;
    }
    return out.dump();
}

std::string controlTextsJson() {
    using T = ControlTexts;
    json pages = json::array();
    for (const Text& title : kPageTitles) pages.push_back(both(title));
    return json{{"pages", pages},
                {"stepOf", both(T::stepOf)},
                {"noStep", both(T::noStep)},
                {"startHeading", both(T::startHeading)},
                {"startHeadingTip", both(T::startHeadingTip)},
                {"frontTip", both(T::frontTip)},
                {"sensorName", both(T::sensorName)},
                {"ruleAngleName", both(T::ruleAngleName)},
                {"headingName", both(T::headingName)},
                {"rulesName", both(T::rulesName)},
                {"stepSliderName", both(T::stepSliderName)},
                {"startCellTip", both(T::startCellTip)},
                {"headingValue", both(T::headingValue)}}
        .dump();
}

json commandStates(const TForm1& form) {
    json out = json::object();
    for (const Command& c : commands()) {
        const CommandState s = commandState(form, c.id);
        out[std::string(c.id)] = {{"enabled", s.enabled}, {"checked", s.checked}, {"keyWorks", s.keyWorks}};
    }
    return out;
}

bool takesCommand(std::string_view id) {
    const Command* c = findCommand(id);
    return c && (c->run || formCommand(id));
}

bool runCommand(TForm1& form, std::string_view id) {
    const Command* c = findCommand(id);
    if (!c) return false;
    if (c->run) {
        (form.*c->run)();
        return true;
    }
    const FormCommand* own = formCommand(id);
    if (!own) return false;
    own->run(form);
    return true;
}

}  // namespace vemrik::web
