#include "engine/run_control.h"

namespace vemrik {

RunState runState(const ProgramState& s, bool timerOn) {
    if (s.ReturnToStart == 1) return timerOn ? RunState::Stopping : RunState::Held;
    return timerOn ? RunState::Running : RunState::Ready;
}

void headingFromTrackBar(ProgramState& s, int position) { s.RobotHeading = static_cast<float>(position); }

void startRun(ProgramState& s, int position) {
    s.RobotHeading = static_cast<float>(position);
    s.ReturnToStart = 0;
}

void sendBackToStart(ProgramState& s, int position) {
    s.ReturnToStart = 1;
    s.RobotHeading = static_cast<float>(position);
}

void switchRunOn(const ProgramState& s, bool& timerOn) {
    if (s.ReturnToStart == 0) timerOn = true;
}

void switchRunOff(ProgramState& s, bool& timerOn) {
    timerOn = false;
    s.ReturnToStart = 1;
}

void stopTimerIfHeld(const ProgramState& s, bool& timerOn) {
    if (s.ReturnToStart == 1) timerOn = false;
}

}  // namespace vemrik
