// Once the program is warm, a redraw of any page, a pointer move over the map and a simulation
// step allocate nothing: every heap allocation of this test program is counted.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "scenes/scenes.h"
#include "ui/workspace_form.h"
#include "tests/allocation_counter.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

struct Action {
    std::string name;
    std::function<void(TForm1&)> run;
};

/// Each action once to warm up, then each again with the count watched.
void expectWarmActionsAllocateNothing(TForm1& form, const std::vector<Action>& actions) {
    for (const Action& a : actions) a.run(form);
    for (const Action& a : actions) {
        const auto before = heapAllocations();
        a.run(form);
        EXPECT_EQ(heapAllocations() - before, 0u) << a.name;
    }
}

/// The refresh tick that draws page p, whatever it is.
void forcedRedraw(TForm1& f, int page) {
    f.TabbedNotebook1Change(page);
    f.State.RedrawPending = 1;
    f.Timer1Timer();
}

}  // namespace

TEST(Allocation, WarmRedrawsMovesAndStepsOfTheTypicalSceneAllocateNothing) {
    TForm1 form;
    applyWorkspace(form, typicalScene());
    form.BitBtn5Click();
    form.Button15Click();
    form.BitBtn7Click();  // the run timer on
    expectWarmActionsAllocateNothing(
        form, {
                  {"robot page redraw", [](TForm1& f) { forcedRedraw(f, kRobotPage); }},
                  {"map page redraw", [](TForm1& f) { forcedRedraw(f, kMapPage); }},
                  {"algorithm page redraw", [](TForm1& f) { forcedRedraw(f, kAlgorithmPage); }},
                  {"simulation page redraw", [](TForm1& f) { forcedRedraw(f, kSimulationPage); }},
                  {"idle refresh tick", [](TForm1& f) { f.Timer1Timer(); }},
                  {"robot tool hover",
                   [](TForm1& f) {
                       f.Button1Click();
                       f.Image1MouseMove(105, 95);
                   }},
                  {"map cell tool hover",
                   [](TForm1& f) {
                       f.TabbedNotebook1Change(kMapPage);
                       f.Button5Click();
                       f.Image2MouseMove(355, 205);
                   }},
                  {"run tick", [](TForm1& f) { f.Timer2Timer(); }},
                  {"step", [](TForm1& f) { f.BitBtn6Click(); }},
                  {"redraw after the step", [](TForm1& f) { f.BitBtn5Click(); }},
              });
}

// The simulation page paints its track again after a map edit; a changed cell still costs no
// allocation, since the kept copy of the map has the same shape.
TEST(Allocation, ARedrawAfterACellEditAllocatesNothing) {
    TForm1 form;
    applyWorkspace(form, typicalScene());
    form.BitBtn5Click();
    form.BitBtn5Click();
    form.State.MapGrid.at(3, 3) = kLine;
    const auto before = heapAllocations();
    form.BitBtn5Click();
    EXPECT_EQ(heapAllocations() - before, 0u);
}
