#pragma once

#include "app/program_state.h"

namespace vemrik {

/// The run state: the pair (ReturnToStart, run timer on).
enum class RunState { Held, Ready, Running, Stopping };

/// The run state of a ReturnToStart value and the run timer.
RunState runState(const ProgramState& s, bool timerOn);

/// The heading track bar moved: heading from its position.
void headingFromTrackBar(ProgramState& s, int position);
/// "Start": heading from the track bar, the run may proceed.
void startRun(ProgramState& s, int position);
/// "Wróć": the robot is held at its start, heading from the track bar.
void sendBackToStart(ProgramState& s, int position);
/// "Włącz": switches the run timer on only when the run may proceed.
void switchRunOn(const ProgramState& s, bool& timerOn);
/// "Wyłącz": timer off at once and the robot held at its start.
void switchRunOff(ProgramState& s, bool& timerOn);
/// Before a timed step: a held robot switches the run timer off. The step still comes.
void stopTimerIfHeld(const ProgramState& s, bool& timerOn);

}  // namespace vemrik
