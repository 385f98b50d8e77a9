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
    if (TrailShown) drawTrail(engine.record().trail(), Image5.canvas);
}

void TForm1::BitBtn6Click() {
    try {
        // The sensing after the step is the refresh cycle's, when it next redraws "Symulacja".
        engine.advance(1, &Memo1);
        Shell.RedrawPending = 1;
    } catch (const NonFiniteStepError&) {
        // The rules that broke this step still match at the same pose: the run ends here.
        engine.stopRunning();
        Timer2.enabled = engine.running();
        throw;
    }
}

void TForm1::TrackBar2Change() {
    engine.setStartHeading(TrackBar2.position);
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
    engine.switchOn();
    Timer2.enabled = engine.running();
    if (Timer2.enabled) Paused = false;
}

void TForm1::BitBtn8Click() {
    Paused = false;
    engine.switchOff();
    Timer2.enabled = engine.running();
}

void TForm1::StartFromStartCell() {
    if (hasStartCell(State.MapGrid))
        Button15Click();
    else
        StartRefused = true;
}

void TForm1::PauseClick() {
    if (runState(State, engine.running()) != RunState::Running) return;
    engine.stopRunning();
    Timer2.enabled = engine.running();
    Paused = true;
}

void TForm1::Timer2Timer() {
    engine.stopIfHeld();
    Timer2.enabled = engine.running();
    BitBtn6Click();
    if (!EndLostRun || !LostRun.lost(engine, Image5.canvas.width(), Image5.canvas.height())) return;
    engine.stopRunning();
    Timer2.enabled = engine.running();
}

void TForm1::StepBackClick() {
    if (History.shown() > 0) ShowStep(History.shown() - 1);
}

void TForm1::ShowStep(std::uint64_t step) {
    if (!History.follow(engine) || step > History.steps()) return;
    engine.stopRunning();
    Timer2.enabled = engine.running();
    History.show(engine, step);
    Shell.RedrawPending = 1;
}

void TForm1::ReplaySeededRun(std::uint32_t seed, std::uint64_t stopAt, const Noise& noise) {
    engine.stopRunning();
    Timer2.enabled = engine.running();
    Button16Click();
    const Raster& track = Image5Track.layer(engine, Image5.canvas.width(), Image5.canvas.height());
    engine.placeAndSense(track);  // the redraw that puts the held robot on its start cell
    engine.setSeed(seed);
    engine.start();
    engine.restartDraws();
    std::optional<NoiseDraws> draws;
    if (noise.any()) {
        draws.emplace(noise, seed, State.SensorCount);
        engine.moveStart(*draws);
    }
    NoiseDraws* flips = draws ? &*draws : nullptr;
    History.begin(engine);
    if (stopAt == 0) return ShowTrail(true);
    // The sensing at the start, then the steps; the last one's sensing is the next redraw's.
    engine.placeAndSense(track, flips);
    engine.advance(stopAt, nullptr, &track, flips);
    ShowTrail(true);
}

void TForm1::ShowTrail(bool on) {
    TrailShown = on;
    Shell.RedrawPending = 1;
}

void TForm1::SetRunSpeed(RunSpeed speed) { Timer2.interval = runInterval(speed); }

void TForm1::ToggleEndLostRun() { EndLostRun = !EndLostRun; }

void TForm1::ToggleTrail() { ShowTrail(!TrailShown); }

void TForm1::ToggleRepeatableRuns() { engine.setRepeatableRuns(!engine.repeatableRuns()); }

void TForm1::RunAtSpeed1() { SetRunSpeed(RunSpeed::Normal); }

void TForm1::RunAtSpeed2() { SetRunSpeed(RunSpeed::Double); }

void TForm1::RunAtSpeed4() { SetRunSpeed(RunSpeed::Quadruple); }

}  // namespace vemrik
