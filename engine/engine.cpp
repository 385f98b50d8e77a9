#include "engine/engine.h"

#include "app/errors.h"
#include "app/startup.h"
#include "engine/run_control.h"
#include "engine/run_tick.h"
#include "engine/step.h"

namespace vemrik {

Engine::Engine() { createState(state_); }

/// The engine's run for a tick: it senses a painted layer through the sample points, steps by
/// the rule table, and keeps a record and a log of every step.
class Engine::Ticked {
public:
    Ticked(Engine& e, const Raster* track, Memo* log) : e_(e), s_(e.state_), track_(track), log_(log) {}

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
        if (!wasHeld_ && s_.ReturnToStart == 1) e_.run_.record.noteStopSeen();
    }
    void beforeStep() {
        if (e_.observer_) e_.observer_->beforeStep(e_);
    }
    const Candidates& candidates() const { return e_.table_.candidates(patternOf(s_.SensorStates)); }
    std::uint32_t draw() { return static_cast<std::uint32_t>(e_.run_.draws()); }
    NextPose next(const Candidates& c, int choice) const { return nextPose(s_, c, choice); }
    void moveTo(const NextPose& next) {
        const float fromX = s_.RobotPosX, fromY = s_.RobotPosY;
        vemrik::moveTo(s_, next, log_);
        e_.run_.record.recordStep(fromX, fromY, s_, next.rule, e_.rules_);
        acted_ = next.rule;
        if (e_.observer_) e_.observer_->stepped(e_);
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
    return currentPose(state_);
}

int Engine::advance(std::uint64_t steps, Memo* log, const Raster* track, NoiseDraws* noise, bool senseLast) {
    table_.follow(rules_);
    Ticked run(*this, track, log);
    if (vemrik::advance(run, noise, steps, senseLast && track) < steps) throw NonFiniteStepError();
    return run.acted();
}

void Engine::setRuleAngle(int angle) {
    if (angle == ruleAngle_) return;
    ruleAngle_ = angle;
    anglesVersion_ = newStamp();
}

void Engine::setStartHeading(int heading) {
    headingFromTrackBar(state_, heading);
    if (heading == startHeading_) return;
    startHeading_ = heading;
    anglesVersion_ = newStamp();
}

void Engine::addRule(std::string_view line) {
    rules_.add(line);
    run_.record.followList(rules_);
}

void Engine::deleteRule(int i) {
    rules_.erase(i);
    run_.record.followList(rules_);
}

void Engine::setRules(RuleList rules) {
    rules_ = std::move(rules);
    run_.record.followList(rules_);
}

void Engine::putBack(const WorkPart& part) {
    struct PutBack {
        Engine& e;
        void operator()(const RobotPart& p) {
            e.state_.RobotGrid = p.grid;
            e.robotVersion_ = p.version;
        }
        void operator()(const TrackPart& p) {
            e.state_.MapGrid = p.map;
            e.state_.StrokeList = p.strokes;
            e.trackVersion_ = p.version;
        }
        void operator()(const RuleList& rules) { e.setRules(rules); }
        void operator()(const AnglesPart& p) {
            if (p.startHeading != e.startHeading_) headingFromTrackBar(e.state_, p.startHeading);
            e.ruleAngle_ = p.ruleAngle;
            e.startHeading_ = p.startHeading;
            e.anglesVersion_ = p.version;
        }
    };
    std::visit(PutBack{*this}, part);
}

void Engine::setSensorState(int sensor, bool on) {
    state_.SensorStates.at(static_cast<std::size_t>(sensor)) = on ? 1 : 0;
}

RunSnapshot Engine::snapshot() const {
    return {momentOf(state_, run_.record.stopPending()), run_.draws, run_.record};
}

void Engine::restore(RunSnapshot run) {
    putMoment(state_, run.moment);
    run_.draws = run.draws;
    run_.record = std::move(run.record);
}

Workspace Engine::work() const {
    Workspace ws;
    ws.robot = state_.RobotGrid;
    ws.map = state_.MapGrid;
    ws.strokes = state_.StrokeList;
    ws.rules = rules_;
    ws.ruleAngle = ruleAngle_;
    ws.startHeading = startHeading_;
    return ws;
}

void Engine::load(const Workspace& ws) {
    ProgramState& s = state_;
    s.ReturnToStart = 1;
    s.RobotPosX = s.RobotPosY = s.RobotHeading = 0.0f;
    s.SensorStates.fill(0);
    s.SensorCount = 0;
    s.StrokeAnchorX = s.StrokeAnchorY = 0.0f;
    s.RobotGrid = ws.robot;
    s.MapGrid = ws.map;
    s.StrokeList = ws.strokes;
    rules_ = ws.rules;
    ruleAngle_ = ws.ruleAngle;
    startHeading_ = ws.startHeading;
    robotVersion_ = newStamp();
    trackVersion_ = newStamp();
    anglesVersion_ = newStamp();
    run_.running = false;
    run_.record.clear();  // an old trail and old counts belong to the old track
    run_.record.followList(rules_);
    // As after start-up, so a run does not depend on how many draws came before.
    restartDraws();
}

void Engine::start() {
    startRun(state_, startHeading_);
    run_.record.clear();
    if (run_.repeatable) restartDraws();
}

void Engine::sendBack() {
    sendBackToStart(state_, startHeading_);
    run_.record.clearTrail();
}

void Engine::switchOn() { switchRunOn(state_, run_.running); }

void Engine::switchOff() { switchRunOff(state_, run_.running); }

void Engine::stopIfHeld() { stopTimerIfHeld(state_, run_.running); }

}  // namespace vemrik
