#include "ui/status_line.h"

#include "engine/run_control.h"
#include "simulation/run_status.h"
#include "ui/form.h"

namespace vemrik {

std::string StatusLine::joined() const {
    std::string text;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!text.empty()) text += " | ";
        text += part;
    }
    return text;
}

StatusLine statusLine(const TForm1& form) {
    const RunRecord& run = form.engine.record();
    const LastRule last = run.lastRule();
    const RunState state = runState(form.State, form.Timer2.enabled);
    return {
        {stepsText(run.steps()), simulatedTimeText(run.steps()), runStateText(state, form.Paused),
         runEventText(state, run, form.State, form.StartRefused), poseText(form.State), lastRuleText(last),
         historyText(form.History), seedText(form.engine.seed(), form.engine.repeatableRuns())},
        last.line >= 0 ? hitsText(run.hits(last.line)) : std::string(),
        stopStepsText(run)};
}

}  // namespace vemrik
