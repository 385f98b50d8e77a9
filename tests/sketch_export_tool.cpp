// Exports the sketches of tests/sketch_cases.h into a folder: sketch_export_tool EXAMPLES OUT.
// Beside each sketch folder NAME, NAME.expected holds the sensor count and the engine's choice at
// each step of the drive the tests give, for the run on the simulated board; NAME.size the flash
// and RAM the export reckoned with, which the build for the Uno must not exceed.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "robot_export/arduino_export.h"
#include "robot_export/arduino_sketch.h"
#include "robot_export/sketch_size.h"
#include "tests/sketch_cases.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: sketch_export_tool EXAMPLES_DIR OUT_DIR\n";
        return 1;
    }
    for (const vemrik::SketchCase& c : vemrik::kSketchCases) {
        const vemrik::Workspace ws = vemrik::sketchCaseWorkspace(c.name, argv[1]);
        const vemrik::PlannedSketch planned = vemrik::planSketch(ws, c.name, c.seed);
        if (!planned.plan) {
            std::cerr << c.name << ": " << planned.error << "\n";
            return 1;
        }
        // Made afresh at each build: settings changed by hand would be the tests' own.
        if (const auto saved = vemrik::writeSketchFolder(*planned.plan, argv[2], true);
            !saved.error.empty()) {
            std::cerr << saved.error << "\n";
            return 1;
        }
        const int sensors = static_cast<int>(planned.plan->sensors.size());
        std::ofstream expected(std::string(argv[2]) + "/" + c.name + ".expected");
        expected << sensors << "\n";
        for (const int rule : vemrik::engineChoices(ws, c.seed, sensors, vemrik::kSketchDraws))
            expected << rule << "\n";
        if (!expected.flush()) return 1;
        const vemrik::SketchSize size = vemrik::sketchSize(*planned.plan);
        std::ofstream(std::string(argv[2]) + "/" + c.name + ".size") << size.flash << " " << size.ram << "\n";
    }
    // The turns again with a setting changed as a user would change it.
    const vemrik::PlannedSketch turns = vemrik::planSketch(vemrik::turnsWorkspace(), "turns", 5489u);
    const std::string sketch = vemrik::arduinoSketch(*turns.plan);
    const std::pair<const char*, std::pair<const char*, const char*>> variants[] = {
        {"turns_calibration", {"CALIBRATION = false;", "CALIBRATION = true;"}}};
    for (const auto& [name, change] : variants) {
        std::string text = sketch;
        text.replace(text.find(change.first), std::string_view(change.first).size(), change.second);
        std::filesystem::create_directories(std::string(argv[2]) + "/" + name);
        std::ofstream(std::string(argv[2]) + "/" + name + "/" + name + ".ino") << text;
    }
    // For the host test: every sketch in a namespace of its own, as all of them name their settings
    // and functions alike, and VEMRIK_SKETCHES, each one's {name, pins, count, setup, loop}: the
    // cases' in their order, then the variant.
    std::ofstream all(std::string(argv[2]) + "/sketches.h");
    std::string table = "#define VEMRIK_SKETCHES";
    std::vector<std::string> names;
    for (const vemrik::SketchCase& c : vemrik::kSketchCases) names.push_back(c.name);
    for (const auto& [name, change] : variants) names.push_back(name);
    for (const std::string& name : names) {
        const std::string ns = name + "_sketch::";
        all << "namespace " << name << "_sketch {\n#include \"" << name << "/" << name << ".ino\"\n}\n";
        table += " {\"" + name + "\", " + ns + "SENSOR_PINS, " + ns + "SENSOR_COUNT, " + ns + "setup, " + ns +
                 "loop},";
    }
    all << table << "\n";
    return all.flush() ? 0 : 1;
}
