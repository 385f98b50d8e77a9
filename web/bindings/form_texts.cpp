#include "web/bindings/form_texts.h"

#include <nlohmann/json.hpp>

#include "algorithm/rule_text.h"
#include "analysis/rule_check.h"
#include "analysis/rule_reading.h"
#include "analysis/rule_texts.h"
#include "engine/rule_table.h"
#include "engine/run_control.h"
#include "robot/robot_cells.h"
#include "simulation/run_status.h"

namespace vemrik::web {

namespace {

std::string joined(const std::vector<std::string>& lines, const char* between) {
    std::string text;
    for (const std::string& line : lines) {
        if (line.empty()) continue;
        if (!text.empty()) text += between;
        text += line;
    }
    return text;
}

}  // namespace

std::string statusText(const TForm1& form) {
    const RunRecord& run = form.engine.record();
    const RunState state = runState(form.State, form.Timer2.enabled);
    return joined({stepsText(run.steps()), simulatedTimeText(run.steps()), runStateText(state, form.Paused),
                   runEventText(state, run, form.State, form.StartRefused), poseText(form.State),
                   lastRuleText(run.lastRule()), historyText(form.History),
                   seedText(form.engine.seed(), form.engine.repeatableRuns())},
                  " | ");
}

std::string controlsJson(const TForm1& form) {
    using nlohmann::json;
    const int sensors = stateSensorCount(form.State.RobotGrid);
    json checks = json::array();
    for (const CheckBox* box : {&form.CheckBox1, &form.CheckBox2, &form.CheckBox3, &form.CheckBox4,
                                &form.CheckBox5, &form.CheckBox6, &form.CheckBox7, &form.CheckBox8})
        checks.push_back(box->checked);
    json present = json::array();
    for (int k = 0; k < kSensorSlots; ++k) present.push_back(k < sensors);
    const RunHistory& h = form.History;
    const bool anyHistory = h.active() && h.steps() > 0;
    json j = {
        {"page", form.NotebookPageIndex},
        {"checks", checks},
        {"sensorPresent", present},
        {"track1", form.TrackBar1.position},
        {"track2", form.TrackBar2.position},
        {"label1", form.Label1.caption},
        {"label2", form.Label2.caption},
        {"rules", form.ListBox1.lines},
        {"ruleIndex", form.ListBox1.itemIndex},
        {"runTimer", {{"enabled", form.Timer2.enabled}, {"interval", form.Timer2.interval}}},
        {"status", statusText(form)},
        {"held", runState(form.State, form.Timer2.enabled) == RunState::Held},
        {"stepCount", form.engine.record().steps()},
        {"canStepBack", anyHistory && h.shown() > 0},
        {"history", {{"steps", anyHistory ? h.steps() : 0}, {"shown", anyHistory ? h.shown() : 0}}},
    };
    return j.dump();
}

std::string ruleCheckText(const TForm1& form) {
    const int sensors = stateSensorCount(form.State.RobotGrid);
    const std::vector<std::string>& rules = form.ListBox1.lines;
    const std::vector<Finding> found = checkRules(rules, sensors);
    std::string text = checkSummary(found.size(), sensors);
    for (const Finding& f : found) text += "\n" + findingText(f, rules, sensors);
    return text;
}

std::string inspectorText(const TForm1& form) {
    const int count = stateSensorCount(form.State.RobotGrid);
    std::string text = "Czujniki z ostatniego pomiaru (robot ma " + std::to_string(count) + " z 8):";
    for (int k = 0; k < kSensorSlots; ++k) {
        const bool on = form.State.SensorStates[static_cast<std::size_t>(k)] != 0;
        text += k >= count && !on ? " –" : on ? " 1" : " 0";
    }
    const int pattern = patternOf(form.State.SensorStates);
    const std::vector<LineReading> reading = readLines(form.ListBox1.lines);
    const PatternOdds odds = oddsAt(reading, pattern);
    text += "\nWzorzec: " + cubeText({kPatternCount - 1, pattern}, kSensorSlots);
    for (const int line : odds.lines) {
        const std::string& rule = form.ListBox1.lines[static_cast<std::size_t>(line)];
        text += "\nlinia " + std::to_string(line + 1) + " (kąt " + rule.substr(kPatternLength) +
                "): " + matchVerdict(line, reading[static_cast<std::size_t>(line)], odds);
    }
    text += "\n" + straightVerdict(odds) + (odds.lines.empty() ? " (żadna reguła nie pasuje)" : "");
    const LastRule last = form.engine.record().lastRule();
    text +=
        "\nOstatni krok: " + (last.stepped ? lastRuleText(last) : std::string("jeszcze żadnego od „Start”"));
    return text;
}

}  // namespace vemrik::web
