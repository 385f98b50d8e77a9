#include "web/bindings/form_texts.h"

#include <nlohmann/json.hpp>

#include "analysis/rule_check.h"
#include "analysis/rule_texts.h"
#include "engine/run_control.h"
#include "robot/robot_cells.h"
#include "simulation/run_status.h"
#include "ui/control_events.h"
#include "ui/layout.h"
#include "ui/simulation_notice.h"
#include "ui/status_line.h"
#include "ui/stop_trial.h"
#include "web/bindings/app_model.h"

namespace vemrik::web {

std::string statusText(const TForm1& form) { return statusLine(form).joined(); }

namespace {

// What the form's own check boxes, sliders and labels show, by layout id; and for the sensors'
// boxes whether the robot has that sensor.
void addValues(const TForm1& form, nlohmann::json& values, nlohmann::json& present) {
    const int sensors = stateSensorCount(form.State.RobotGrid);
    for (const ControlSpec& c : formLayout()) {
        const std::string id(c.id);
        if (const CheckBox* box = checkBoxOf(form, id)) {
            values[id] = box->checked;
            present[id] = sensorOf(id) < sensors;
        } else if (const TrackBar* bar = trackBarOf(form, id)) {
            values[id] = bar->position;
        } else if (const Label* label = labelOf(form, id)) {
            values[id] = label->caption;
        }
    }
}

const char* kindName(NoticeKind kind) {
    switch (kind) {
        case NoticeKind::FirstStart:
            return "firstStart";
        case NoticeKind::OffMap:
            return "offMap";
        case NoticeKind::UnseenStop:
            return "unseenStop";
        case NoticeKind::Finish:
            return "finish";
        default:
            return "";
    }
}

// What is shown over the "Symulacja" canvas, in the language spoken.
nlohmann::json noticeJson(const TForm1& form) {
    const SimulationNotice n = simulationNotice(form);
    nlohmann::json lines = nlohmann::json::array(), buttons = nlohmann::json::array();
    for (const NoticeText& line : n.lines) lines.push_back(line.spoken());
    for (const NoticeButton& b : n.buttons) buttons.push_back({{"id", b.id}, {"caption", say(b.caption)}});
    nlohmann::json j = {{"kind", kindName(n.kind)},
                        {"place", n.place == NoticePlace::Middle ? "middle" : "top"},
                        {"lines", lines},
                        {"buttons", buttons},
                        {"large", n.large}};
    if (n.edge) j["edge"] = {{"x", n.edge->x}, {"y", n.edge->y}, {"dx", n.edge->dx}, {"dy", n.edge->dy}};
    return j;
}

}  // namespace

std::string controlsJson(const TForm1& form) {
    using nlohmann::json;
    json values = json::object();
    json present = json::object();
    addValues(form, values, present);
    json down = json::array();
    for (const ControlSpec& c : formLayout())
        if (buttonDown(form, c.id)) down.push_back(c.id);
    const RunHistory& h = form.History;
    const bool anyHistory = h.active() && h.steps() > 0;
    json j = {
        {"page", form.NotebookPageIndex},
        {"values", values},
        {"down", down},
        {"sensorPresent", present},
        {"rules", form.ListBox1.lines},
        {"ruleIndex", form.ListBox1.itemIndex},
        {"runTimer", {{"enabled", form.Timer2.enabled}, {"interval", form.Timer2.interval}}},
        {"status", statusText(form)},
        {"stepsHint", statusLine(form).stepsHint},
        {"notice", noticeJson(form)},
        {"held", runState(form.State, form.Timer2.enabled) == RunState::Held},
        {"stepCount", form.engine.record().steps()},
        {"history", {{"steps", anyHistory ? h.steps() : 0}, {"shown", anyHistory ? h.shown() : 0}}},
        {"commands", commandStates(form)},
        {"document",
         {{"file", form.document.path},
          {"title", form.document.title(form.engine)},
          {"modified", form.document.modified(form.engine)}}},
    };
    return j.dump();
}

std::string ruleCheckText(const TForm1& form) {
    const int sensors = stateSensorCount(form.State.RobotGrid);
    const std::vector<std::string>& rules = form.ListBox1.lines;
    const std::vector<Finding> found = ruleCheckFindings(form);
    std::string text = checkSummary(found.size(), sensors);
    for (const Finding& f : found) text += "\n" + findingText(f, rules, sensors);
    return text;
}

}  // namespace vemrik::web
