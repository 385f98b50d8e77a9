// The workspaces the Arduino sketch tests export at build time and check against the engine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/rule_table.h"
#include "engine/step.h"
#include "scenes/scenes.h"
#include "workspace/workspace_file.h"

namespace vemrik {

/// One sensor; turns past a full circle, a fraction with a decimal comma and a whole circle.
inline Workspace turnsWorkspace() {
    Workspace ws;
    ws.robot.at(10, 5) = kSensor;
    ws.rules = {"1 0 0 0 0 0 0 0 -450", "0 0 0 0 0 0 0 0 370", "0 0 0 0 0 0 0 0 2,5", "0 0 0 0 0 0 0 0 -360"};
    return ws;
}

/// Eight sensors and 320 rules that all can act, four for each of 80 patterns: more than a byte
/// can number.
inline Workspace wideWorkspace() {
    Workspace ws;
    for (int k = 0; k < kSensorSlots; ++k) ws.robot.at(6 + k, 5) = kSensor;
    for (int p = 0; p < 80; ++p)
        for (int r = 0; r < 4; ++r) {
            std::string line;
            for (int k = 0; k < kSensorSlots; ++k) line += ((p * 3 >> k) & 1) ? "1 " : "0 ";
            ws.rules.push_back(line + std::to_string(r * 7 - 10));
        }
    return ws;
}

/// One sensor, and a rule acting on line 65,537, past what 16 bits number: the lines before it
/// repeat the first, so only the first four of them act.
inline Workspace farWorkspace() {
    Workspace ws;
    ws.robot.at(10, 5) = kSensor;
    ws.rules.assign(65536, "0 0 0 0 0 0 0 0 5");
    ws.rules.push_back("1 0 0 0 0 0 0 0 -90");
    return ws;
}

struct SketchCase {
    const char* name;
    std::uint32_t seed;
};

/// The four examples with the program's seed, the busy scene's 100 rules (8 of its 9 sensors
/// wired) with another, the turns, 320 rules, and a line past 65,535.
inline constexpr SketchCase kSketchCases[] = {{"oval", Engine::kDefaultSeed},
                                              {"figure_eight", Engine::kDefaultSeed},
                                              {"zigzag", Engine::kDefaultSeed},
                                              {"tape_loop", Engine::kDefaultSeed},
                                              {"busy", 20261207u},
                                              {"turns", Engine::kDefaultSeed},
                                              {"wide", 77u},
                                              {"far", Engine::kDefaultSeed}};

/// The sensor pattern the sketch tests show at step `step` (from 0): every pattern the robot can
/// give in turn, shifted each round so that each meets many draws. tests/simavr uses the same. No
/// pattern lasts three readings, so the default stop never ends the drive.
inline int drivenPattern(int step, int sensors) { return (step * 97 + step / 256) & ((1 << sensors) - 1); }

/// The engine's choice at each step of that drive, from the seed: rule_index as the log writes it.
inline std::vector<int> engineChoices(const Workspace& ws, std::uint32_t seed, int sensors, int steps) {
    RuleTable table;
    table.follow(ws.rules);
    decltype(LiveRun::draws) draws(seed);
    std::vector<int> out;
    for (int i = 0; i < steps; ++i) {
        const Candidates& c = table.candidates(drivenPattern(i, sensors));
        const int choice = choiceOf(c, draws());
        out.push_back(choice < c.count ? c.lines[static_cast<std::size_t>(choice)] + 1 : 0);
    }
    return out;
}

inline Workspace sketchCaseWorkspace(const std::string& name, const std::string& examples) {
    if (name == "busy") return busyScene();
    if (name == "turns") return turnsWorkspace();
    if (name == "wide") return wideWorkspace();
    if (name == "far") return farWorkspace();
    std::string file = name;
    for (char& c : file)
        if (c == '_') c = '-';
    return *readWorkspaceFile(examples + "/" + file + ".vemrik").workspace;
}

}  // namespace vemrik
