#include "ui/form.h"

#include "app/errors.h"
#include "simulation/run_control.h"
#include "simulation/simulation_view.h"
#include "simulation/step.h"
#include "simulation/trail.h"

namespace vemrik {

void TForm1::BitBtn5Click() {
    const bool wasHeld = State.ReturnToStart == 1;
    paintSimulationView(State, Image5.canvas, Image5Track);
    if (!wasHeld && State.ReturnToStart == 1) Run.noteStopSeen();
    // After the sensing, so the trail can never change what the sensors read.
    if (TrailShown) drawTrail(Run.trail(), Image5.canvas);
}

void TForm1::BitBtn6Click() {
    const float fromX = State.RobotPosX, fromY = State.RobotPosY;
    const auto random = [this] { return Random(); };
    int rule = kNoRule;
    try {
        rule = stepOnce(State, ListBox1.lines, random, &Memo1);
    } catch (const NonFiniteStepError&) {
        // The rules that broke this step still match at the same pose: the run ends here.
        Timer2.enabled = false;
        throw;
    }
    Run.recordStep(fromX, fromY, State, rule, ListBox1.lines);
}

void TForm1::TrackBar2Change() { headingFromTrackBar(State, TrackBar2.position); }

void TForm1::Button15Click() {
    startRun(State, TrackBar2.position);
    Run.clear();
    if (RepeatableRuns) RandomEngine.seed(Seed);
}

void TForm1::Button16Click() {
    sendBackToStart(State, TrackBar2.position);
    Run.clearTrail();
}

void TForm1::BitBtn7Click() { switchRunOn(State, Timer2.enabled); }
void TForm1::BitBtn8Click() { switchRunOff(State, Timer2.enabled); }

void TForm1::Timer2Timer() {
    stopTimerIfHeld(State, Timer2.enabled);
    BitBtn6Click();
}

void TForm1::ShowTrail(bool on) {
    TrailShown = on;
    State.RedrawPending = 1;
}

void TForm1::SetRunSpeed(RunSpeed speed) { Timer2.interval = runInterval(speed); }

}  // namespace vemrik
