// Once the program is warm, a redraw of any page, a pointer move over the map and a simulation
// step allocate nothing: every heap allocation of this test program is counted.
#include <gtest/gtest.h>

#include <functional>

#include "scenes/scenes.h"
#include "tests/allocation_counter.h"
#include "ui/form.h"
#include "ui/workspace_form.h"

using namespace vemrik;

TEST(Allocation, WarmRedrawsMovesAndStepsOfTheTypicalSceneAllocateNothing) {
    TForm1 form;
    applyWorkspace(form, typicalScene());
    form.BitBtn5Click();
    form.Button15Click();
    form.BitBtn7Click();  // the run timer on
    const auto redraw = [](int page) {
        return [page](TForm1& f) {
            f.TabbedNotebook1Change(page);
            f.State.RedrawPending = 1;
            f.Timer1Timer();
        };
    };
    const std::pair<const char*, std::function<void(TForm1&)>> actions[] = {
        {"robot page redraw", redraw(kRobotPage)},
        {"map page redraw", redraw(kMapPage)},
        {"algorithm page redraw", redraw(kAlgorithmPage)},
        {"simulation page redraw", redraw(kSimulationPage)},
        {"idle refresh tick", [](TForm1& f) { f.Timer1Timer(); }},
        {"robot tool hover", [](TForm1& f) { f.Button1Click(), f.Image1MouseMove(105, 95); }},
        {"map cell tool hover",
         [](TForm1& f) { f.TabbedNotebook1Change(kMapPage), f.Button5Click(), f.Image2MouseMove(355, 205); }},
        {"run tick", [](TForm1& f) { f.Timer2Timer(); }},
        {"step", [](TForm1& f) { f.BitBtn6Click(); }},
        {"redraw after the step", [](TForm1& f) { f.BitBtn5Click(); }},
        // The track is painted again, but the kept copy of the map has the same shape.
        {"redraw after a cell edit", [](TForm1& f) { f.State.MapGrid.at(3, 3) ^= kLine, f.BitBtn5Click(); }},
    };
    for (const auto& [name, run] : actions) run(form);  // warm up
    for (const auto& [name, run] : actions) {
        const auto before = heapAllocations();
        run(form);
        EXPECT_EQ(heapAllocations() - before, 0u) << name;
    }
}
