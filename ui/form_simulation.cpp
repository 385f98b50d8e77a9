#include "ui/form.h"

#include "simulation/run_control.h"
#include "simulation/simulation_view.h"
#include "simulation/step.h"

namespace vemrik {

void TForm1::BitBtn5Click() { paintSimulationView(State, Image5.canvas, Image5Track); }

void TForm1::BitBtn6Click() {
    stepOnce(State, ListBox1.lines, [this] { return Random(); }, &Memo1);
}

void TForm1::TrackBar2Change() { headingFromTrackBar(State, TrackBar2.position); }
void TForm1::Button15Click() { startRun(State, TrackBar2.position); }
void TForm1::Button16Click() { sendBackToStart(State, TrackBar2.position); }
void TForm1::BitBtn7Click() { switchRunOn(State, Timer2.enabled); }
void TForm1::BitBtn8Click() { switchRunOff(State, Timer2.enabled); }

void TForm1::Timer2Timer() {
    stopTimerIfHeld(State, Timer2.enabled);
    BitBtn6Click();
}

}  // namespace vemrik
