#include "ui/form.h"

#include "ui/refresh_cycle.h"

namespace vemrik {

TForm1::TForm1() {
    engine.observe(&History);
    FormCreate();
}

CheckBox& TForm1::checkBox(int n) {
    CheckBox* boxes[] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4,
                         &CheckBox5, &CheckBox6, &CheckBox7, &CheckBox8};
    return *boxes[(n >= 1 && n <= 8) ? n - 1 : 0];
}

void TForm1::afterEvent() {
    History.follow(engine);
    if (!Shell.MouseHeld) Edits.follow(engine);
    Notices.follow(*this);
}

void TForm1::FormCreate() {
    // The window's double buffering, the one setting this step switches on, belongs to the Qt
    // layer; the engine has sized and zeroed the boards.
    // The notebook opens on "Symulacja" without a change event; drawing page 0 behind it would
    // leave the first run unplaced and blind to stop cells until the user switched pages.
    Shell.ActivePage = NotebookPageIndex;
}

void TForm1::TabbedNotebook1Change(int newPage) {
    NotebookPageIndex = newPage;
    Shell.ActivePage = newPage;
    Memo1.append(IntToStr(newPage));
    Shell.EditTool = 0;
    Shell.MouseHeld = 0;
}

const TrackCache* TForm1::trackCacheOf(const Raster& canvas) const {
    if (&canvas == &Image2.canvas) return &Image2Track;
    if (&canvas == &Image5.canvas) return &Image5Track;
    return nullptr;
}

void TForm1::Timer1Timer() {
    if (refreshTick(Shell)) BitBtn1Click();
}

void TForm1::BitBtn1Click() {
    if (Shell.ActivePage == kRobotPage) BitBtn2Click();
    if (Shell.ActivePage == kMapPage) BitBtn3Click();
    if (Shell.ActivePage == kAlgorithmPage) {
        ComposeRuleText();
        BitBtn4Click();
    }
    if (Shell.ActivePage == kSimulationPage) BitBtn5Click();
}

}  // namespace vemrik
