#include "ui/simulation_notice.h"

#include <algorithm>
#include <cmath>

#include "engine/run_record.h"
#include "simulation/unseen_stop.h"
#include "ui/form.h"

namespace vemrik {

namespace {

constexpr CountedText kSteps{{"krok", "step"}, {"kroki", "steps"}, {"kroków", "steps"}};

bool gridIs(const Grid& grid, std::int32_t empty) {
    for (int x = 0; x < grid.columns(); ++x)
        for (int y = 0; y < grid.length(x); ++y)
            if (grid.at(x, y) != empty) return false;
    return true;
}

bool held(const TForm1& form) {
    const RunState state = runState(form.State, form.Timer2.enabled);
    return state == RunState::Held || state == RunState::Stopping;
}

bool offTheMap(const TForm1& form) {
    return !held(form) && form.engine.record().offMapSince() > 0 &&
           !onDrawnMap(form.State.RobotPosX, form.State.RobotPosY);
}

// The robot's position is finite here: a step that would leave the finite numbers is refused.
EdgeMark edgeMark(const TForm1& form) {
    const float right = static_cast<float>(form.Image5.canvas.width() - 1);
    const float bottom = static_cast<float>(form.Image5.canvas.height() - 1);
    const float x = form.State.RobotPosX, y = form.State.RobotPosY;
    const float ex = std::clamp(x, 0.0f, right), ey = std::clamp(y, 0.0f, bottom);
    const float length = std::hypot(x - ex, y - ey);
    EdgeMark mark{static_cast<int>(ex), static_cast<int>(ey), 0.0f, 0.0f};
    if (length > 0.0f) {
        mark.dx = (x - ex) / length;
        mark.dy = (y - ey) / length;
    }
    return mark;
}

SimulationNotice firstStart() {
    return {NoticeKind::FirstStart,
            NoticePlace::Middle,
            {{{"Witaj w Vemriku!", "Welcome to Vemrik!"}, {}},
             {{"Robot jeździ po mapie według reguł. Od czego zaczniesz?",
               "A robot drives over the map by rules. Where will you begin?"},
              {}}},
            {{"file.examples", {"&Otwórz przykład", "Open e&xample"}},
             {kRobotPageButton, {"&Zacznij od zera", "Start from scr&atch"}},
             {"help.guide", {"Przewo&dnik", "&Guide"}}},
            false,
            std::nullopt};
}

SimulationNotice offMap(const TForm1& form) {
    return {NoticeKind::OffMap,
            NoticePlace::Top,
            {{{"Robot wyjechał poza mapę w kroku {1}", "The robot left the map at step {1}"},
              std::to_string(form.engine.record().offMapSince())}},
            {{"sim.back", {"Wr&óć", "Ba&ck"}}},
            false,
            edgeMark(form)};
}

SimulationNotice unseenStop() {
    return {NoticeKind::UnseenStop,
            NoticePlace::Top,
            {{{"Robot przejechał nad polem Stop, ale żaden czujnik go nie dotknął: czujnik musi najechać na "
               "pole Stop",
               "The robot drove over a Stop cell, but no sensor touched it: a sensor has to drive onto the "
               "Stop cell"},
              {}}},
            {},
            false,
            std::nullopt};
}

SimulationNotice finish(std::uint64_t steps) {
    return {NoticeKind::Finish,
            NoticePlace::Middle,
            {{{"Meta! {1}", "Finish! {1}"}, sayCounted(static_cast<long long>(steps), kSteps)}},
            {},
            true,
            std::nullopt};
}

}  // namespace

FormMoment formMoment(const TForm1& form, bool run) {
    FormMoment m;
    m.work = form.engine.workVersion();
    m.page = form.NotebookPageIndex;
    m.trail = form.TrailShown;
    m.interval = form.Timer2.interval;
    m.seed = form.engine.seed();
    m.repeatable = form.engine.repeatableRuns();
    m.paused = form.Paused;
    m.refused = form.StartRefused;
    m.endLost = form.EndLostRun;
    m.state = runState(form.State, form.Timer2.enabled);
    m.history = form.History.active();
    m.stepShownBack = form.History.shown() < form.History.steps();
    if (run) m.steps = form.engine.record().steps();
    return m;
}

void NoticeWatch::follow(const TForm1& form) {
    if (!finishSteps(form))
        finish_.reset();
    else if (!finish_ || wasRunning_)  // the run timer's last tick still steps
        finish_ = Met{formMoment(form, true)};
    else if (finish_->at != formMoment(form, true))
        finish_->gone = true;
    wasRunning_ = form.Timer2.enabled;
    const std::uint64_t steps = form.engine.record().steps();
    // A new run, or a step shown again, starts before the pass was met.
    if (unseenStop_ && steps < unseenStop_->at.steps) unseenStop_.reset();
    if (unseenStop_ && unseenMoment(form) != unseenStop_->at) unseenStop_->gone = true;
    const auto looking = std::pair(steps, form.engine.workVersion());
    // A stop the body stands on at the start (a lap's finish behind its start line) counts only
    // once the robot has been clear of it, as in the rule check's trial.
    if (held(form) || (looked_ && steps < looked_->first)) clearOfStop_ = false;
    if (!unseenStop_ && !held(form) && !form.engine.record().stopReachedAt() && looked_ != looking) {
        const bool passing = stopPassedUnseen(form.State);
        if (passing && clearOfStop_) unseenStop_ = Met{unseenMoment(form)};
        clearOfStop_ |= !passing;
    }
    looked_ = looking;
}

FormMoment NoticeWatch::unseenMoment(const TForm1& form) const {
    FormMoment m = formMoment(form, false);
    // Kept apart from the moment to compare: the steps when the pass was met.
    m.steps = unseenStop_ ? unseenStop_->at.steps : form.engine.record().steps();
    return m;
}

bool NoticeWatch::finishShown(const TForm1& form) const {
    return finish_ && !finish_->gone && finish_->at == formMoment(form, true);
}

bool NoticeWatch::unseenStopShown(const TForm1& form) const {
    // Once a sensor has seen the stop, the finish says the rest.
    return unseenStop_ && !unseenStop_->gone && !form.engine.record().stopReachedAt() &&
           unseenStop_->at == unseenMoment(form);
}

bool workIsEmpty(const TForm1& form) {
    const ProgramState& s = form.State;
    return form.engine.rules().lines().empty() && s.StrokeList.columns() == 0 &&
           gridIs(s.RobotGrid, kRobotEmpty) && gridIs(s.MapGrid, kMapEmpty);
}

std::optional<std::uint64_t> finishSteps(const TForm1& form) {
    const std::optional<std::uint64_t> stop = form.engine.record().stopReachedAt();
    if (!held(form) || !stop || *stop == 0) return std::nullopt;
    return stop;
}

SimulationNotice simulationNotice(const TForm1& form) {
    if (workIsEmpty(form)) return firstStart();
    if (offTheMap(form)) return offMap(form);
    if (form.Notices.unseenStopShown(form)) return unseenStop();
    if (form.Notices.finishShown(form)) return finish(*finishSteps(form));
    return {};
}

}  // namespace vemrik
