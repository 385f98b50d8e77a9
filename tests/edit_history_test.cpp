// "Cofnij zmianę" puts back the work as it was before an event's edit, and with it the version,
// so the saved state reads as saved again; "Ponów" makes the edit again.
#include <gtest/gtest.h>

#include <functional>

#include "track_import/import_apply.h"
#include "ui/form.h"
#include "ui/workspace_form.h"

using namespace vemrik;

namespace {

/// One event of a front end: its handlers, then the after-event step.
void event(TForm1& f, const std::function<void()>& handlers) {
    handlers();
    f.afterEvent();
}

}  // namespace

TEST(EditHistory, EachEditIsOneStepUndoneAndRedoneWithItsVersion) {
    TForm1 f;
    struct Case {
        const char* what;
        std::vector<std::function<void()>> events;
    };
    const Case cases[] = {
        {"a robot body cell", {[&] { f.Button1Click(), f.Image1MouseDown(15, 15), f.Image1MouseUp(0, 0); }}},
        {"a line cell", {[&] { f.Button5Click(), f.Image2MouseDown(15, 15), f.Image2MouseUp(0, 0); }}},
        {"a brush drag",
         {[&] { f.Button7Click(), f.Image2MouseDown(5, 5); }, [&] { f.Image2MouseMove(50, 50); },
          [&] { f.Image2MouseMove(90, 60); }, [&] { f.Image2MouseUp(0, 0); }}},
        {"Cofnij", {[&] { f.Button10Click(); }}},
        {"Usun", {[&] { f.Button11Click(); }}},
        {"a rule added", {[&] { f.Button13Click(); }}},
        {"a rule deleted", {[&] { f.SelectRule(0), f.Button14Click(); }}},
        {"the rules set", {[&] {
             f.engine.setRules(RuleList({"1 0 0 0 0 0 0 0 0", "0 1 0 0 0 0 0 0 90"}));
         }}},
        {"the rule angle dragged",
         {[&] { f.TrackBar1.position = 30, f.TrackBar1Change(); },
          [&] { f.TrackBar1.position = 45, f.TrackBar1Change(); }}},
        {"the start heading", {[&] { f.TrackBar2.position = 90, f.TrackBar2Change(); }}},
        {"a picture import", {[&] {
             f.ImportTrack({{{10, 10, 200, 100}}, {{3, 4}}}, ImportPlacement::Add);
         }}},
    };
    for (const Case& c : cases) {
        f.document.keep("work.vemrik", f.engine);
        const Workspace before = f.engine.work();
        const std::size_t steps = f.Edits.undoSteps();
        for (const auto& handlers : c.events) event(f, handlers);
        const Workspace after = f.engine.work();
        const WorkVersion edited = f.engine.workVersion();
        ASSERT_NE(after, before) << c.what;
        EXPECT_EQ(f.Edits.undoSteps(), steps + 1) << c.what;
        event(f, [&] { f.UndoChangeClick(); });
        EXPECT_EQ(f.engine.work(), before) << c.what;
        EXPECT_FALSE(f.document.modified(f.engine)) << c.what;
        EXPECT_EQ(std::pair(f.TrackBar1.position, f.TrackBar2.position),
                  std::pair(before.ruleAngle, before.startHeading))
            << c.what;
        event(f, [&] { f.RedoClick(); });
        EXPECT_EQ(f.engine.work(), after) << c.what;
        EXPECT_EQ(f.engine.workVersion(), edited) << c.what;
    }
    event(f, [&] { f.UndoChangeClick(); });
    event(f, [&] { f.Button13Click(); });
    EXPECT_FALSE(f.Edits.canRedo());
    // A file taken up is another document: nothing before it to undo.
    event(f, [&] { applyWorkspace(f, f.engine.work()); });
    EXPECT_FALSE(f.Edits.canUndo(f.engine));
}

TEST(EditHistory, KeepsTheLastHundredSteps) {
    TForm1 f;
    for (int angle = 1; angle <= 101; ++angle)
        event(f, [&] { f.Button13Click(), f.TrackBar1.position = angle, f.TrackBar1Change(); });
    while (f.Edits.canUndo(f.engine)) event(f, [&] { f.UndoChangeClick(); });
    EXPECT_EQ(std::pair(f.engine.ruleAngle(), f.engine.rules().size()), std::pair(1, std::size_t{1}));
}
