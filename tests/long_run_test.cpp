// A million steps through the window's own timer path on a track with no stop cell: nothing but
// the heading may grow. VEMRIK_LONG_RUN_STEPS sets the number of steps.
#include <gtest/gtest.h>

#include <cstdlib>

#include "scenes/scenes.h"
#include "tests/engine_edits.h"
#include "ui/workspace_form.h"

using namespace vemrik;

TEST(LongRun, AMillionStepsOnALoopingTrackStayBounded) {
    const char* env = std::getenv("VEMRIK_LONG_RUN_STEPS");
    const long steps = env && *env ? std::atol(env) : 1000000;
    TForm1 form;
    applyWorkspace(form, typicalScene());
    // No stop: the robot laps for ever.
    setTrack(form.engine, [](ProgramState& s) { s.MapGrid.at(10, 20) = kLine; });
    form.TabbedNotebook1Change(kSimulationPage);
    form.Timer1Timer();  // placed on the start cell
    form.Button15Click();
    form.BitBtn7Click();
    for (long i = 0; i < steps; ++i) {
        for (int t = 0; t < 8; ++t) form.Timer1Timer();  // eight refresh ticks to one run tick
        form.Timer2Timer();
    }
    EXPECT_TRUE(form.Timer2.enabled) << "the run stopped";
    EXPECT_EQ(form.Memo1.size(),
              std::min<std::size_t>(Memo::kBound, 4 * static_cast<std::size_t>(steps) + 1));
    // Still on the oval (centre (350, 200), half-axes 250 and 140), within a robot's reach.
    const double dx = (form.State.RobotPosX - 350.0) / 250.0, dy = (form.State.RobotPosY - 200.0) / 140.0;
    EXPECT_NEAR(dx * dx + dy * dy, 1.0, 0.3);
}
