#include "engine/engine.h"

#include "app/errors.h"
#include "app/startup.h"
#include "engine/run_control.h"
#include "engine/run_tick.h"
#include "engine/step.h"

namespace vemrik {

Engine::Engine() { createState(state); }

/// The engine's run for a tick: it senses a painted layer through the sample points, steps by
/// the rule table, and keeps a record and a log of every step.
class Engine::Ticked {
public:
    Ticked(Engine& e, const Raster* track, Memo* log) : e_(e), s_(e.state), track_(track), log_(log) {}

    void placeIfHeld() {
        wasHeld_ = s_.ReturnToStart == 1;
        placeAtStart(s_);
    }
    Sensed sense() {
        e_.samples_.follow(s_.RobotGrid, e_.robotVersion_);
        const Raster& track = *track_;
        return senseSamples(e_.samples_, currentPose(s_),
                            [&track](int x, int y) { return sightOf(track.pixel(x, y)); });
    }
    void keepSensed(Sensed sensed) {
        recordSensed(s_, sensed, e_.samples_.counted());
        if (!wasHeld_ && s_.ReturnToStart == 1) e_.record.noteStopSeen();
    }
    const Candidates& candidates() const { return e_.table_.candidates(patternOf(s_.SensorStates)); }
    std::uint32_t draw() { return static_cast<std::uint32_t>(e_.randomEngine()); }
    NextPose next(const Candidates& c, int choice) const { return nextPose(s_, c, choice); }
    void moveTo(const NextPose& next) {
        const float fromX = s_.RobotPosX, fromY = s_.RobotPosY;
        vemrik::moveTo(s_, next, log_);
        e_.record.recordStep(fromX, fromY, s_, next.rule, e_.rules);
        acted_ = next.rule;
    }
    /// The list index of the rule that acted in the step, or kNoRule.
    int acted() const { return acted_; }

private:
    Engine& e_;
    ProgramState& s_;
    const Raster* track_;
    Memo* log_;
    bool wasHeld_ = false;
    int acted_ = kNoRule;
};

PoseTransform Engine::placeAndSense(const Raster& trackLayer, NoiseDraws* noise) {
    Ticked run(*this, &trackLayer, nullptr);
    tick<TickPart::Sense>(run, noise);
    return currentPose(state);
}

int Engine::step(Memo* log) {
    table_.follow(rules);
    Ticked run(*this, nullptr, log);
    if (tick<TickPart::Step>(run, nullptr) == TickEnd::NotFinite) throw NonFiniteStepError();
    return run.acted();
}

RunSnapshot Engine::snapshot() const { return {momentOf(state, record.stopPending()), randomEngine, record}; }

void Engine::restore(const RunSnapshot& run) {
    putMoment(state, run.moment);
    randomEngine = run.draws;
    record = run.record;
}

Workspace Engine::work() const {
    Workspace ws;
    ws.robot = state.RobotGrid;
    ws.map = state.MapGrid;
    ws.strokes = state.StrokeList;
    ws.rules = rules;
    ws.ruleAngle = ruleAngle;
    ws.startHeading = startHeading;
    return ws;
}

void Engine::load(const Workspace& ws) {
    ProgramState& s = state;
    s.ReturnToStart = 1;
    s.RobotPosX = s.RobotPosY = s.RobotHeading = 0.0f;
    s.SensorStates.fill(0);
    s.SensorCount = 0;
    s.StrokeAnchorX = s.StrokeAnchorY = 0.0f;
    s.RobotGrid = ws.robot;
    s.MapGrid = ws.map;
    s.StrokeList = ws.strokes;
    rules = ws.rules;
    ruleAngle = ws.ruleAngle;
    startHeading = ws.startHeading;
    robotEdited();
    trackEdited();
    anglesEdited();
    record.clear();  // an old trail and old counts belong to the old track
    // As after start-up, so a run does not depend on how many draws came before.
    restartDraws();
}

void Engine::start() {
    startRun(state, startHeading);
    record.clear();
    if (repeatableRuns) restartDraws();
}

void Engine::sendBack() {
    sendBackToStart(state, startHeading);
    record.clearTrail();
}

}  // namespace vemrik
