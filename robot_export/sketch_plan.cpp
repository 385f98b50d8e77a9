#include "robot_export/sketch_plan.h"

#include "engine/engine.h"
#include "engine/rule_table.h"
#include "platform/texts.h"
#include "robot_export/sketch_size.h"
#include "workspace/rule_line.h"

namespace vemrik {

namespace {

// A printed track has 20 mm per cell of 10 pixels.
constexpr int kMmPerPixel = 2;
/// The candidates of every pattern, as the steps of a run take them; the rules they name in list
/// order.
void readTable(const RuleTable& table, const std::vector<std::string>& lines, SketchPlan& plan) {
    std::vector<int> indexOfLine(lines.size(), -1);
    for (int p = 0; p < kPatternCount; ++p) {
        const Candidates& c = table.candidates(p);
        for (int k = 0; k < c.count; ++k)
            indexOfLine[static_cast<std::size_t>(c.lines[static_cast<std::size_t>(k)])] = 0;
    }
    for (std::size_t line = 0; line < lines.size(); ++line) {
        if (indexOfLine[line] < 0) continue;
        indexOfLine[line] = static_cast<int>(plan.rules.size());
        plan.rules.push_back({static_cast<int>(line) + 1, 0.0f, trimmedRule(lines[line])});
    }
    for (int p = 0; p < kPatternCount; ++p) {
        const Candidates& c = table.candidates(p);
        if (c.count == 0) continue;
        SketchChoices choices{p, {}};
        for (int k = 0; k < c.count; ++k) {
            const int index = indexOfLine[static_cast<std::size_t>(c.lines[static_cast<std::size_t>(k)])];
            plan.rules[static_cast<std::size_t>(index)].angle = c.angles[static_cast<std::size_t>(k)];
            choices.rules.push_back(index);
        }
        plan.table.push_back(std::move(choices));
    }
}

}  // namespace

PlannedSketch planSketch(const Workspace& ws, const std::string& name, std::uint32_t seed, int drawCount) {
    SketchPlan plan;
    plan.name = name;
    plan.seed = seed;
    int sensors = 0;
    forEachSensor(ws.robot, [&](const Sensor& s) {
        if (sensors++ < kSensorSlots) plan.sensors.push_back(s);
    });
    if (sensors == 0)
        return {std::nullopt, say({"robot nie ma czujników, więc nie ma czego podłączyć",
                                   "the robot has no sensors, so there is nothing to connect"})};
    plan.unwiredSensors = sensors - static_cast<int>(plan.sensors.size());

    RuleTable table;
    table.follow(ws.rules);
    if (const int fault = table.firstFault(); fault >= 0)
        return {std::nullopt, say({"reguła {1}: {2}", "rule {1}: {2}"},
                                  {std::to_string(fault + 1),
                                   ruleLineProblem(ws.rules[static_cast<std::size_t>(fault)]).value_or("")})};
    readTable(table, ws.rules, plan);

    decltype(LiveRun::draws) draws(seed);
    plan.draws.resize(static_cast<std::size_t>(drawCount));
    for (std::uint8_t& d : plan.draws) d = static_cast<std::uint8_t>(draws() % kDrawModulus);
    if (auto tooLarge = unoSizeProblem(plan)) return {std::nullopt, std::move(*tooLarge)};
    return {std::move(plan), {}};
}

SensorPlace sensorPlace(const Sensor& s) {
    // The middle of the sensor's 2 x 2 sample square; the frame's y grows backwards.
    const int x = cellEdge(s.x) + (s.isDouble ? 10 : 5);
    const int y = cellEdge(s.y) + 5;
    return {x * kMmPerPixel, -y * kMmPerPixel};
}

}  // namespace vemrik
