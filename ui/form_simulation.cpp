#include <optional>

#include "app/errors.h"
#include "engine/run_control.h"
#include "engine/sensing.h"
#include "engine/trail.h"
#include "simulation/simulation_view.h"
#include "ui/form.h"

namespace vemrik {

void TForm1::BitBtn5Click() {
    const Raster& track = Image5Track.layer(engine, Image5.canvas.width(), Image5.canvas.height());
    engine.placeAndSense(track);
    paintSimulationView(engine, Image5.canvas, Image5Track);
    // After the sensing, so the trail can never change what the sensors read.
    if (TrailShown) drawTrail(engine.record.trail(), Image5.canvas);
}

void TForm1::BitBtn6Click() {
    try {
        History.beforeStep(engine);
        engine.step(&Memo1);
        Shell.RedrawPending = 1;
        History.stepped(engine);
    } catch (const NonFiniteStepError&) {
        // The rules that broke this step still match at the same pose: the run ends here.
        Timer2.enabled = false;
        throw;
    }
}

void TForm1::TrackBar2Change() {
    engine.anglesEdited();
    headingFromTrackBar(State, TrackBar2.position);
    Shell.RedrawPending = 1;
}

void TForm1::Button15Click() {
    Paused = StartRefused = false;
    engine.start();
    Shell.RedrawPending = 1;
    History.begin(engine);
}

void TForm1::Button16Click() {
    Paused = false;
    engine.sendBack();
    Shell.RedrawPending = 1;
    // The trail is gone, so the steps before cannot be shown as they were.
    History.end(HistoryEnd::SentBack);
}

void TForm1::BitBtn7Click() {
    switchRunOn(State, Timer2.enabled);
    if (Timer2.enabled) Paused = false;
}

void TForm1::BitBtn8Click() {
    Paused = false;
    switchRunOff(State, Timer2.enabled);
}

void TForm1::StartFromStartCell() {
    if (hasStartCell(State.MapGrid))
        Button15Click();
    else
        StartRefused = true;
}

void TForm1::PauseClick() {
    if (runState(State, Timer2.enabled) != RunState::Running) return;
    Timer2.enabled = false;
    Paused = true;
}

void TForm1::Timer2Timer() {
    stopTimerIfHeld(State, Timer2.enabled);
    BitBtn6Click();
}

void TForm1::StepBackClick() {
    if (History.shown() > 0) ShowStep(History.shown() - 1);
}

void TForm1::ShowStep(std::uint64_t step) {
    if (!History.follow(engine) || step > History.steps()) return;
    Timer2.enabled = false;
    History.show(engine, step);
    Shell.RedrawPending = 1;
}

void TForm1::ReplaySeededRun(std::uint32_t seed, std::uint64_t stopAt, const Noise& noise) {
    Timer2.enabled = false;
    Button16Click();
    const Raster& track = Image5Track.layer(engine, Image5.canvas.width(), Image5.canvas.height());
    engine.placeAndSense(track);  // the redraw that puts the held robot on its start cell
    engine.seed = seed;
    engine.start();
    engine.restartDraws();
    std::optional<NoiseDraws> draws;
    if (noise.any()) {
        draws.emplace(noise, seed, State.SensorCount);
        draws->moveStart(State.RobotPosX, State.RobotPosY, State.RobotHeading);
    }
    History.begin(engine);
    for (std::uint64_t i = 0; i < stopAt; ++i) {
        engine.placeAndSense(track, draws ? &*draws : nullptr);
        History.beforeStep(engine);
        engine.step(nullptr);
        History.stepped(engine);
    }
    ShowTrail(true);
}

void TForm1::ShowTrail(bool on) {
    TrailShown = on;
    Shell.RedrawPending = 1;
}

void TForm1::SetRunSpeed(RunSpeed speed) { Timer2.interval = runInterval(speed); }

}  // namespace vemrik
