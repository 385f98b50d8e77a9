#pragma once

#include <utility>

#include "engine/engine.h"

namespace vemrik {

/// A test's set-up of the boards, through the engine's edits so the versions move.
template <class F>
void setTrack(Engine& e, F&& f) {
    e.editTrack([&](ProgramState& s) { return f(s), true; });
}
template <class F>
void setRobot(Engine& e, F&& f) {
    e.editRobot([&](ProgramState& s) { return f(s), true; });
}

/// A test's set-up of the pose and senses, put back as a run.
template <class F>
void setRun(Engine& e, F&& f) {
    RunSnapshot run = e.snapshot();
    f(run.moment);
    e.restore(std::move(run));
}

}  // namespace vemrik
