// Exports the sketches of tests/sketch_cases.h into a folder: sketch_export_tool EXAMPLES OUT.
#include <iostream>

#include "robot_export/arduino_export.h"
#include "tests/sketch_cases.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: sketch_export_tool EXAMPLES_DIR OUT_DIR\n";
        return 1;
    }
    for (const vemrik::SketchCase& c : vemrik::kSketchCases) {
        const vemrik::PlannedSketch planned =
            vemrik::planSketch(vemrik::sketchCaseWorkspace(c.name, argv[1]), c.name, c.seed);
        if (!planned.plan) {
            std::cerr << c.name << ": " << planned.error << "\n";
            return 1;
        }
        if (const auto error = vemrik::writeSketchFolder(*planned.plan, argv[2])) {
            std::cerr << *error << "\n";
            return 1;
        }
    }
    return 0;
}
