// One hash over what the program does: long seeded runs of every example and scene on the form's
// timer path (pose, sensor states and log lines of each step), the pixels of every page after a
// scripted sequence of edits, and the successful headless runs of each example. A change of
// structure must leave every value as it is; a change of behaviour changes the hash on purpose.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "evaluation/headless_run.h"
#include "evaluation/run_setup.h"
#include "scenes/scenes.h"
#include "simulation/simulation_view.h"
#include "simulation/timeline_feed.h"
#include "ui/form.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_file.h"

using namespace vemrik;

namespace {

/// FNV-1a, 64 bits: small, and the same on every platform.
class Hash {
public:
    void bytes(const void* data, std::size_t n) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < n; ++i) value_ = (value_ ^ p[i]) * 0x100000001b3ull;
    }
    template <class... T>
    void add(const T&... v) {
        (bytes(&v, sizeof v), ...);
    }
    void text(std::string_view s) {
        bytes(s.data(), s.size());
        add('\n');
    }
    void image(const Raster& r) {
        bytes(r.data(), sizeof(std::uint32_t) * std::size_t(r.width()) * std::size_t(r.height()));
    }
    std::uint64_t value() const { return value_; }

private:
    std::uint64_t value_ = 0xcbf29ce484222325ull;
};

Workspace example(const char* name) {
    const ParsedWorkspace parsed = readWorkspaceFile(std::string(VEMRIK_EXAMPLES_DIR) + "/" + name);
    if (!parsed.workspace) throw std::runtime_error(parsed.error);
    return *parsed.workspace;
}

/// "Start" and "Włącz", then 8 refresh ticks to each run tick; a stop starts the run again.
/// With a time line, it follows every step as the open chart does.
void hashRun(TForm1& form, int steps, Hash& h, RunTimeline* timeline = nullptr) {
    form.Timer1Timer();
    for (int i = 0; i < steps; ++i) {
        if (!form.Timer2.enabled) {
            form.Button15Click();
            form.BitBtn7Click();
        }
        for (int t = 0; t < 8; ++t) form.Timer1Timer();
        const std::uint64_t logged = form.Memo1.total();
        try {
            form.Timer2Timer();
        } catch (const std::exception& e) {
            h.text(e.what());
        }
        for (std::size_t k = form.Memo1.size() - static_cast<std::size_t>(form.Memo1.total() - logged);
             k < form.Memo1.size(); ++k)
            h.text(form.Memo1.line(k));
        if (timeline)
            followRun(*timeline, form.engine.record(), TimelineFeed{form.History.steps(), 8, 701, 401, {}});
        const ProgramState& s = form.State;
        h.add(s.RobotPosX, s.RobotPosY, s.RobotHeading, s.SensorStates, s.ReturnToStart);
    }
}

/// Every page drawn, in turn.
void hashPages(TForm1& form, Hash& h) {
    for (int page = 0; page < 4; ++page) {
        form.TabbedNotebook1Change(page);
        for (int t = 0; t < 15; ++t) form.Timer1Timer();
    }
    for (const Image* image : {&form.Image1, &form.Image2, &form.Image3, &form.Image4, &form.Image5})
        h.image(image->canvas);
    h.text(form.Label1.caption);
    h.text(form.Label2.caption);
    for (const std::string& line : form.ListBox1.lines) h.text(line);
}

/// A user's afternoon: a robot, a track with cells and strokes, rules, hovering over each board.
constexpr void (TForm1::*kBoxClicks[])() = {&TForm1::CheckBox1Click, &TForm1::CheckBox2Click,
                                            &TForm1::CheckBox3Click, &TForm1::CheckBox4Click};

void scriptedEdits(TForm1& f, Hash& h) {
    const auto robotTap = [&f](int x, int y) { f.Image1MouseDown(x, y), f.Image1MouseUp(x, y); };
    const auto mapTap = [&f](int x, int y) { f.Image2MouseDown(x, y), f.Image2MouseUp(x, y); };
    f.TabbedNotebook1Change(0);
    f.Button1Click();  // "Konstrukcja"
    f.Image1MouseDown(70, 90);
    for (int x = 70; x <= 130; x += 4) f.Image1MouseMove(x, 90 + (x - 70) / 2);
    f.Image1MouseUp(130, 120);
    f.Button3Click();  // "Kolo"
    robotTap(60, 100);
    robotTap(140, 100);
    f.Button4Click();  // "Czujnik"
    for (int x = 75; x <= 125; x += 25) robotTap(x, 55);
    f.Button12Click();  // "Czujnik 2"
    robotTap(95, 35);
    f.Image1MouseMove(155, 45);
    h.image(f.Image1.canvas);  // the hover preview
    hashPages(f, h);

    f.TabbedNotebook1Change(1);
    f.Button5Click();  // "Linia"
    f.Image2MouseDown(105, 305);
    for (int x = 105; x <= 605; x += 6) f.Image2MouseMove(x, 305);
    f.Image2MouseUp(605, 305);
    f.Button8Click();  // "Start"
    mapTap(125, 305);
    f.Button9Click();  // "Stop"
    mapTap(595, 105);
    f.Button7Click();  // "Pendzel"
    f.Image2MouseDown(605, 305);
    for (int k = 0; k <= 40; ++k) f.Image2MouseMove(605 - k / 4, 305 - 5 * k);
    f.Image2MouseUp(595, 105);
    f.Button10Click();  // "Cofnij"
    f.Button6Click();   // "Czysc"
    mapTap(305, 305);
    f.Button5Click();
    f.Image2MouseMove(333, 222);
    h.image(f.Image2.canvas);  // the hover preview
    hashPages(f, h);

    f.TabbedNotebook1Change(2);
    const int patterns[][3] = {{2, 0, 0}, {1, 2, 0}, {3, 0, 0}, {2, 3, 0}, {0, 0, 0}};
    const int angles[] = {0, -15, 15, -30, 10};
    for (int r = 0; r < 5; ++r) {
        for (int n : patterns[r])
            if (n) {
                f.checkBox(n).checked = !f.checkBox(n).checked;
                (f.*kBoxClicks[n - 1])();
            }
        f.TrackBar1.position = angles[r];
        f.TrackBar1Change();
        f.Timer1Timer();
        f.Button13Click();  // "Dodaj"
        for (int n = 1; n <= 8; ++n) f.checkBox(n).checked = false;
    }
    f.ListBox1.itemIndex = 2;
    f.Button14Click();  // "Usuń"
    f.TrackBar2.position = 90;
    f.TrackBar2Change();
    hashPages(f, h);
}

std::uint64_t formRunsHash(bool followed = false) {
    Hash h;
    RunTimeline timeline;
    RunTimeline* const t = followed ? &timeline : nullptr;
    for (const char* name : {"oval.vemrik", "figure-eight.vemrik", "zigzag.vemrik"}) {
        TForm1 form;
        applyWorkspace(form, example(name));
        hashRun(form, 1500, h, t);
    }
    for (const Workspace& scene : {typicalScene(), busyScene()}) {
        TForm1 form;
        applyWorkspace(form, scene);
        form.engine.setSeed(7);
        form.engine.restartDraws();
        hashRun(form, 1500, h, t);
    }
    TForm1 edited;
    scriptedEdits(edited, h);
    hashRun(edited, 300, h);
    hashPages(edited, h);
    return h.value();
}

std::uint64_t evaluationHash() {
    Hash h;
    for (const char* name : {"oval.vemrik", "figure-eight.vemrik", "zigzag.vemrik"}) {
        const PreparedRun prepared = prepareRun(example(name));
        if (!prepared.setup) throw std::runtime_error(prepared.error);
        for (std::uint32_t seed = 1; seed <= 500; ++seed) {
            const RunResult r = runOnce(*prepared.setup, seed, 5000);
            if (r.outcome == Outcome::Success) h.add(seed, r.steps, r.x, r.y, r.heading);
        }
    }
    return h.value();
}

}  // namespace

// Followed by the time line after every step or not, the runs are the same.
TEST(Determinism, FormRunsAndPagesGiveTheRecordedHashWhetherTheTimeLineFollowsOrNot) {
    for (const bool followed : {false, true})
        EXPECT_EQ(formRunsHash(followed), 8471441194793874005ull) << followed;
}

// The evaluation reads the track layer classified once; it must see what the form's reads see.
TEST(Determinism, TheEvaluationReadsTheSamePixelsAsTheForm) {
    for (const Workspace& ws : {example("oval.vemrik"), busyScene()}) {
        const PreparedRun prepared = prepareRun(ws);
        ASSERT_TRUE(prepared.setup) << prepared.error;
        TForm1 form;
        applyWorkspace(form, ws);
        Raster track(701, 401);
        paintTrack(form.State, track);
        for (int y = -2; y <= 402; ++y)
            for (int x = -2; x <= 702; ++x)
                ASSERT_EQ(prepared.setup->at(x, y), sightOf(track.pixel(x, y))) << x << "," << y;
    }
}

TEST(Determinism, SuccessfulHeadlessRunsOfTheExamplesGiveTheRecordedHash) {
    EXPECT_EQ(evaluationHash(), 3644890238874629981ull);
}
