#include "ui/inspector_text.h"

#include "algorithm/rule_text.h"
#include "analysis/rule_reading.h"
#include "analysis/rule_texts.h"
#include "engine/rule_table.h"
#include "robot/robot_cells.h"
#include "simulation/run_status.h"

namespace vemrik {

std::string inspectorText(const TForm1& form) {
    using T = InspectorTexts;
    const int count = stateSensorCount(form.State.RobotGrid);
    std::string text = say(T::sensors, {std::to_string(count)});
    for (int k = 0; k < kSensorSlots; ++k) {
        const bool on = form.State.SensorStates[static_cast<std::size_t>(k)] != 0;
        text += k >= count && !on ? " –" : on ? " 1" : " 0";
    }
    const int pattern = patternOf(form.State.SensorStates);
    const std::vector<LineReading> reading = readLines(form.ListBox1.lines);
    const PatternOdds odds = oddsAt(reading, pattern);
    text += "\n" + say(T::pattern) + cubeText({kPatternCount - 1, pattern}, kSensorSlots);
    for (const int line : odds.lines) {
        const std::string& rule = form.ListBox1.lines[static_cast<std::size_t>(line)];
        text += "\n" + say(T::matchLine, {std::to_string(line + 1), rule.substr(kPatternLength),
                                          matchVerdict(line, reading[static_cast<std::size_t>(line)], odds)});
    }
    text += "\n" + straightVerdict(odds) + (odds.lines.empty() ? say(T::noneMatch) : std::string());
    const LastRule last = form.engine.record().lastRule();
    text += "\n" + say(T::lastStep) + (last.stepped ? lastRuleText(last) : say(T::noStepYet));
    return text;
}

}  // namespace vemrik
