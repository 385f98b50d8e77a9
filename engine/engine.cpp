#include "engine/engine.h"

#include "app/startup.h"
#include "engine/run_control.h"
#include "engine/step.h"

namespace vemrik {

Engine::Engine() { createState(State); }

PoseTransform Engine::placeAndSense(const Raster& trackLayer) {
    const bool wasHeld = State.ReturnToStart == 1;
    placeAtStart(State);
    const PoseTransform pose = currentPose(State);
    samples_.follow(State.RobotGrid, robotVersion_);
    const Sensed sensed =
        senseSamples(samples_, pose, [&trackLayer](int x, int y) { return sightOf(trackLayer.pixel(x, y)); });
    recordSensed(State, sensed, samples_.counted());
    if (!wasHeld && State.ReturnToStart == 1) Run.noteStopSeen();
    return pose;
}

void Engine::flipSensed(NoiseDraws& noise) {
    const int pattern = noise.flipped(patternOf(State.SensorStates));
    for (int k = 0; k < kSensorSlots; ++k)
        State.SensorStates[static_cast<std::size_t>(k)] = (pattern >> k) & 1;
}

int Engine::step(Memo* log) {
    const float fromX = State.RobotPosX, fromY = State.RobotPosY;
    table_.follow(Rules);
    const Candidates& candidates = table_.candidates(patternOf(State.SensorStates));
    const int rule = stepWith(State, candidates, RandomEngine(), log);
    Run.recordStep(fromX, fromY, State, rule, Rules);
    return rule;
}

Workspace Engine::work() const {
    Workspace ws;
    ws.robot = State.RobotGrid;
    ws.map = State.MapGrid;
    ws.strokes = State.StrokeList;
    ws.rules = Rules;
    ws.ruleAngle = RuleAngle;
    ws.startHeading = StartHeading;
    return ws;
}

void Engine::load(const Workspace& ws) {
    ProgramState& s = State;
    s.ReturnToStart = 1;
    s.RobotPosX = s.RobotPosY = s.RobotHeading = 0.0f;
    s.SensorStates.fill(0);
    s.SensorCount = 0;
    s.StrokeAnchorX = s.StrokeAnchorY = 0.0f;
    s.RobotGrid = ws.robot;
    s.MapGrid = ws.map;
    s.StrokeList = ws.strokes;
    Rules = ws.rules;
    RuleAngle = ws.ruleAngle;
    StartHeading = ws.startHeading;
    robotEdited();
    trackEdited();
    anglesEdited();
    Run.clear();  // an old trail and old counts belong to the old track
    // As after start-up, so a run does not depend on how many draws came before.
    restartDraws();
}

void Engine::start() {
    startRun(State, StartHeading);
    Run.clear();
    if (RepeatableRuns) restartDraws();
}

void Engine::sendBack() {
    sendBackToStart(State, StartHeading);
    Run.clearTrail();
}

}  // namespace vemrik
