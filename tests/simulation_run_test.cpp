// The step's choice among the matching rules and its failures, and the run control around it.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/errors.h"
#include "engine/run_control.h"
#include "tests/engine_edits.h"
#include "ui/form.h"

using namespace vemrik;

const std::string kAllOff = "0 0 0 0 0 0 0 0 ";

// 1e39 reads as a number but lies beyond every float.
TEST(Step, AnUnreadableMatchingAngleFailsBeforeAnythingChanges) {
    for (const std::string& bad :
         {kAllOff + "abc", kAllOff, kAllOff + "1e", kAllOff + "nan", kAllOff + "1e39"}) {
        Engine e;
        setRun(e, [](RunMoment& m) { m.y = 50.0f; });
        e.setRules(RuleList({kAllOff + "10", bad}));
        Memo memo;
        EXPECT_THROW(e.advance(1, &memo), ConversionError) << bad;
        EXPECT_EQ(std::tuple(e.state().RobotPosY, e.state().RobotHeading, memo.total() + e.record().steps()),
                  std::tuple(50.0f, 0.0f, 0u));
    }
    // A bad line that does not match, or that comes after the fourth match, is never read.
    Engine e;
    e.setRules(RuleList(
        {"1 1 1 1 1 1 1 1 x", kAllOff + "0", kAllOff + "0", kAllOff + "0", kAllOff + "0", kAllOff + "x"}));
    EXPECT_NO_THROW(e.advance(1, nullptr));
}

// The step reads the list as every kind of edit leaves it; an index outside the list changes
// nothing. The default seed's first draw, 3499211612, is 0 modulo 2 and 2 modulo 3: with one
// candidate it takes it, with two it goes straight on.
TEST(Step, EveryEditOfTheRuleListReachesTheNextStep) {
    const struct {
        const char* edit;
        void (*apply)(TForm1&);
        float turn;
    } edits[] = {
        {"add", [](TForm1& f) { f.ListBox1.add(kAllOff + "7"); }, 0.0f},
        {"delete", [](TForm1& f) { f.ListBox1.deleteAt(0); }, 0.0f},
        {"delete outside", [](TForm1& f) { f.ListBox1.deleteAt(1); }, 10.0f},
        {"replace", [](TForm1& f) { f.engine.setRules(RuleList({kAllOff + "-5"})); }, -5.0f},
    };
    for (const auto& e : edits) {
        TForm1 f;
        f.engine.setRules(RuleList({kAllOff + "10"}));
        f.engine.advance(1, nullptr);  // the table has read the list before the edit
        e.apply(f);
        f.engine.restartDraws();
        const float before = f.State.RobotHeading;
        f.engine.advance(1, nullptr);
        EXPECT_EQ(f.State.RobotHeading - before, e.turn) << e.edit;
    }
}

// Start and Wróć take the heading from its bar (at 45); they and a step ask for a redraw. A run tick
// steps even when it is the one that switches the timer off. Only a running robot pauses.
TEST(RunControl, EveryEventTakesEveryRunStateWhereTheTableSays) {
    using enum RunState;
    struct Event {
        const char* what;
        void (TForm1::*act)();
        std::array<RunState, 4> after;  // from held, ready, running, stopping
        bool setsHeading, steps;
    };
    const Event events[] = {
        {"Start", &TForm1::Button15Click, {Ready, Ready, Running, Running}, true, false},
        {"Wróć", &TForm1::Button16Click, {Held, Held, Stopping, Stopping}, true, false},
        {"Włącz", &TForm1::BitBtn7Click, {Held, Running, Running, Stopping}, false, false},
        {"Wyłącz", &TForm1::BitBtn8Click, {Held, Held, Held, Held}, false, false},
        {"stop sensed", &TForm1::BitBtn5Click, {Held, Held, Stopping, Stopping}, false, false},
        {"run tick", &TForm1::Timer2Timer, {Held, Ready, Running, Held}, false, true},
        {"Pauza", &TForm1::PauseClick, {Held, Ready, Ready, Stopping}, false, false},
        // The map has no start cell: the window's "Start" changes nothing.
        {"Start without a start cell",
         &TForm1::StartFromStartCell,
         {Held, Ready, Running, Stopping},
         false,
         false},
    };
    const std::array<RunState, 4> from = {Held, Ready, Running, Stopping};
    const char* names[] = {"held", "ready", "running", "stopping"};
    for (const Event& e : events)
        for (std::size_t i = 0; i < from.size(); ++i) {
            TForm1 f;  // a stop cell under its one sensor, so that a redraw senses red
            f.TabbedNotebook1Change(kSimulationPage);
            // Square (404 .. 406, 204 .. 206) at pose (400, 200).
            setRobot(f.engine, [](ProgramState& s) { s.RobotGrid.at(10, 10) = kSensor; });
            setTrack(f.engine, [](ProgramState& s) { s.MapGrid.at(40, 20) = kStop; });
            f.TrackBar2.position = 45;
            f.TrackBar2Change();
            setRun(f.engine,
                   [](RunMoment& m) { m.x = 400.0f, m.y = 200.0f, m.heading = 0.0f, m.returnToStart = 0; });
            if (from[i] == Running || from[i] == Stopping) f.engine.switchOn();
            f.Timer2.enabled = f.engine.running();
            if (from[i] == Held || from[i] == Stopping)
                setRun(f.engine, [](RunMoment& m) { m.returnToStart = 1; });
            f.Shell.RedrawPending = 0;
            const std::uint64_t logged = f.Memo1.total();
            (f.*e.act)();
            const std::string what = std::string(e.what) + " from " + names[i];
            EXPECT_EQ(runState(f.State, f.Timer2.enabled), e.after[i]) << what;
            EXPECT_EQ(f.State.RobotHeading, e.setsHeading ? 45.0f : 0.0f) << what;
            EXPECT_EQ(f.Shell.RedrawPending, e.setsHeading || e.steps ? 1 : 0) << what;
            EXPECT_EQ(f.Memo1.total() - logged, e.steps ? 4u : 0u) << what;
            EXPECT_EQ(f.Paused, e.act == &TForm1::PauseClick && from[i] == Running) << what;
        }
}

// 3e38 + 3e38 is past the float range: the turn that would make the heading infinite fails.
TEST(RunControl, AStepThatWouldLeaveTheFiniteNumbersChangesNothingAndEndsTheRun) {
    TForm1 f;
    f.Button15Click();
    f.BitBtn7Click();
    f.engine.setRules(RuleList({"0 0 0 0 0 0 0 0 3e38"}));
    bool failed = false;
    const auto snapshot = [&] {
        return std::tuple(f.State.RobotHeading, f.State.RobotPosX, f.State.RobotPosY, f.Memo1.total(),
                          f.engine.record().steps());
    };
    for (int tick = 0; tick < 64 && !failed; ++tick) {
        const auto before = snapshot();
        try {
            f.Timer2Timer();
        } catch (const NonFiniteStepError&) {
            failed = true;
            EXPECT_EQ(snapshot(), before);
            EXPECT_FALSE(f.Timer2.enabled);
        }
    }
    EXPECT_TRUE(failed);
}
