// The workspaces the Arduino sketch tests export at build time and check against the engine.
#pragma once

#include <cstdint>
#include <string>

#include "engine/engine.h"
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

struct SketchCase {
    const char* name;
    std::uint32_t seed;
};

/// The four examples with the program's seed, the busy scene's 100 rules (8 of its 9 sensors
/// wired) with another, and the turns.
inline constexpr SketchCase kSketchCases[] = {{"oval", Engine::kDefaultSeed},
                                              {"figure_eight", Engine::kDefaultSeed},
                                              {"zigzag", Engine::kDefaultSeed},
                                              {"tape_loop", Engine::kDefaultSeed},
                                              {"busy", 20261207u},
                                              {"turns", Engine::kDefaultSeed}};

inline Workspace sketchCaseWorkspace(const std::string& name, const std::string& examples) {
    if (name == "busy") return busyScene();
    if (name == "turns") return turnsWorkspace();
    std::string file = name;
    for (char& c : file)
        if (c == '_') c = '-';
    return *readWorkspaceFile(examples + "/" + file + ".vemrik").workspace;
}

}  // namespace vemrik
