#include "ui/stop_trial.h"

#include "evaluation/headless_run.h"
#include "evaluation/run_setup.h"
#include "robot/robot_cells.h"
#include "simulation/unseen_stop.h"
#include "ui/form.h"
#include "ui/workspace_form.h"

namespace vemrik {

namespace {

// Enough for a few laps of the examples; the check must answer at once.
constexpr int kTrialSteps = 3000;

}  // namespace

std::optional<Finding> stopPassedInTrial(const Workspace& ws, std::uint32_t seed) {
    PreparedRun prepared = prepareRun(ws);
    if (!prepared.setup) return std::nullopt;
    HeadlessRun run(*prepared.setup, seed);
    ProgramState at;
    at.RobotGrid = ws.robot;
    at.MapGrid = ws.map;
    // A stop the body stands on at the start (a lap's finish behind its start line) counts only
    // once the robot has been clear of it.
    bool clear = false;
    while (run.steps() < kTrialSteps && !run.stopSensed() && !run.offMap()) {
        at.RobotPosX = run.x(), at.RobotPosY = run.y(), at.RobotHeading = run.heading();
        const bool passing = stopPassedUnseen(at);
        if (passing && clear) {
            Finding f;
            f.kind = Finding::UnseenStop;
            f.seed = seed;
            f.steps = run.steps();
            return f;
        }
        clear |= !passing;
        if (!run.step()) return std::nullopt;
    }
    return std::nullopt;
}

std::vector<Finding> ruleCheckFindings(const TForm1& form) {
    std::vector<Finding> found;
    if (const auto unseen = stopPassedInTrial(captureWorkspace(form), form.engine.seed()))
        found.push_back(*unseen);
    for (const Finding& f : checkRules(form.ListBox1.lines, stateSensorCount(form.State.RobotGrid)))
        found.push_back(f);
    return found;
}

}  // namespace vemrik
