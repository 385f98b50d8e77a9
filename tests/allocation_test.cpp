// Once the program is warm, a redraw of any page, a pointer move over the map and a simulation
// step allocate nothing, and a headless run allocates nothing at all; a hostile file costs no
// more than a small multiple of its size: every heap allocation of this test program is counted.
#include <gtest/gtest.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>

#include "analysis/run_csv.h"
#include "analysis/run_log_reader.h"
#include "evaluation/headless_run.h"
#include "evaluation/run_comparison.h"
#include "scenes/scenes.h"
#include "simulation/timeline_feed.h"
#include "tests/engine_edits.h"
#include "ui/form.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_json.h"

namespace {
std::atomic<std::uint64_t> gAllocations{0};
// Bytes held, and the most held at once since peakBytes last started.
std::atomic<std::uint64_t> gLiveBytes{0}, gPeakBytes{0};

/// The most bytes `work` held at once beyond what was held before it.
std::uint64_t peakBytes(const std::function<void()>& work) {
    const std::uint64_t before = gLiveBytes;
    gPeakBytes = before;
    work();
    return gPeakBytes - before;
}
}  // namespace

void* operator new(std::size_t n) {
    ++gAllocations;
    if (void* p = std::malloc(n ? n : 1)) {
        const std::uint64_t live = gLiveBytes += malloc_usable_size(p);
        if (live > gPeakBytes) gPeakBytes = live;
        return p;
    }
    throw std::bad_alloc();
}

// std::stable_sort borrows its buffer through this one: left to the sanitizer's own, the buffer
// would come from there and go back through the delete below.
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    try {
        return operator new(n);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// GCC sees malloc behind operator new once both are inlined and warns of a mismatch that is none.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpragmas"
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    gLiveBytes -= malloc_usable_size(p);
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { operator delete(p); }
#pragma GCC diagnostic pop

using namespace vemrik;

TEST(Allocation, WarmRedrawsMovesAndStepsOfTheTypicalSceneAllocateNothing) {
    TForm1 form;
    applyWorkspace(form, typicalScene());
    form.BitBtn5Click();
    form.Button15Click();
    form.BitBtn7Click();  // the run timer on
    std::vector<std::pair<std::string, std::function<void(TForm1&)>>> actions = {
        {"robot tool hover", [](TForm1& f) { f.Button1Click(), f.Image1MouseMove(105, 95); }},
        {"map cell tool hover",
         [](TForm1& f) { f.TabbedNotebook1Change(kMapPage), f.Button5Click(), f.Image2MouseMove(355, 205); }},
        {"step and redraw", [](TForm1& f) { f.Timer2Timer(), f.BitBtn5Click(); }},
        // The track is painted again, but the kept copy of the map has the same shape.
        {"redraw after a cell edit",
         [](TForm1& f) {
             setTrack(f.engine, [](ProgramState& s) { s.MapGrid.at(3, 3) ^= kLine; });
             f.BitBtn5Click();
         }},
    };
    for (const int page : {kRobotPage, kMapPage, kAlgorithmPage, kSimulationPage})
        actions.emplace_back("page " + std::to_string(page) + " redraw", [page](TForm1& f) {
            f.TabbedNotebook1Change(page), f.Shell.RedrawPending = 1, f.Timer1Timer();
        });
    for (const auto& [name, run] : actions) run(form);  // warm up
    for (const auto& [name, run] : actions) {
        const std::uint64_t before = gAllocations;
        run(form);
        EXPECT_EQ(gAllocations - before, 0u) << name;
    }
}

TEST(Allocation, AHeadlessRunAllocatesNothingWithOrWithoutNoise) {
    const PreparedRun prepared = prepareRun(typicalScene());
    ASSERT_TRUE(prepared.setup) << prepared.error;
    RunSetup noisy = *prepared.setup;
    noisy.noise = {0.1, 5.0, 10.0};
    const std::uint64_t before = gAllocations;
    const auto steps = runOnce(*prepared.setup, 1u, 20000).steps, noisySteps = runOnce(noisy, 1u, 2000).steps;
    EXPECT_EQ(gAllocations - before, 0u);
    EXPECT_TRUE(steps > 0 && noisySteps > 0);
}

// The time line takes the steps of a run as the panel does, after each: once its rules have
// acted, nothing is allocated, not even when the older half goes at the bound.
TEST(Allocation, TheTimeLineTakesStepsWithoutAllocating) {
    TForm1 form;
    applyWorkspace(form, typicalScene());
    form.BitBtn5Click();
    form.Button15Click();
    const TimelineFeed feed{0, 8, 701, 401, {}};
    RunTimeline timeline;
    const auto stepAndFollow = [&] {
        form.Timer2Timer(), form.BitBtn5Click();
        followRun(timeline, form.engine.record(), feed);
    };
    for (int i = 0; i < 2000; ++i) stepAndFollow();  // warm: every rule that acts has acted
    const std::uint64_t before = gAllocations;
    for (int i = 0; i < 500; ++i) stepAndFollow();
    EXPECT_EQ(gAllocations - before, 0u);
    EXPECT_EQ(timeline.size(), 2500u);
    TimelineStep s;
    for (std::size_t i = timeline.size(); i < RunTimeline::kCapacity + 10; ++i) timeline.append(s);
    EXPECT_EQ(gAllocations - before, 0u);
}

// Hostile logs: what the reader and the counting hold stays within a small multiple of the text,
// whatever counts or line numbers the text claims.
TEST(Allocation, AHostileRunLogCostsAtMostASmallMultipleOfItsSize) {
    const std::string header = std::string(kRunCsvHeader) + "\n", sensors = ",,,,0,0,0,0,0,0,0,0,";
    std::string distinct = header;
    for (int i = 1; i <= 100000; ++i) {
        const std::string n = std::to_string(i);
        distinct += n + sensors + n + ",0 0 0 0 0 0 0 0 " + n + ",\n";
    }
    struct Case {
        const char* name;
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {"a million commas", header + std::string(1000000, ','), "wiersz 2: jest 1000001 pól zamiast 15"},
        {"a quote never closed", header + "1,\"" + std::string(1000000, 'x'),
         "wiersz 2: cudzysłów otwierający pole heading nie jest zamknięty"},
        {"a million lines of noise", std::string(1000000, '\n') + "x", "nie ma wiersza nagłówka"},
        {"a million empty rows", header + std::string(1000000, '\n') + "x",
         "wiersz 2: pusty wiersz, a po nim są jeszcze dane"},
        {"the highest line", header + "1" + sensors + "2147483647,0 0 0 0 0 0 0 0 1,\n", ""},
        {"a new rule text in every row", distinct, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        const std::uint64_t peak = peakBytes([&] {
            const ParsedRunLog read = parseRunLog(c.text);
            error = read.error.substr(0, c.error.size());
            // What the dialog works out of a log: counts against eight lines and the lines that differ.
            if (read.log) countLog(*read.log, 8), otherLines(*read.log, {});
        });
        EXPECT_EQ(error, c.error);
        EXPECT_LE(peak, 4 * c.text.size() + (std::size_t{1} << 16)) << peak / c.text.size();
    }
}

// Hostile workspaces: lists of a quarter million entries, read whole or refused at the last.
TEST(Allocation, AHostileWorkspaceCostsAtMostASmallMultipleOfItsSize) {
    const std::string empty = toJson(Workspace{});
    const auto with = [&](const char* key, const std::string& entry, const std::string& last) {
        std::string list;
        for (int i = 0; i < 250000; ++i) list += entry + ",";
        std::string text = empty;
        const std::string field = "\"" + std::string(key) + "\": []";
        return text.replace(text.find(field), field.size(),
                            "\"" + std::string(key) + "\": [" + list + last + "]");
    };
    const std::pair<std::string, std::string> cases[] = {
        {with("strokes", "[1,-2,3,4]", "[0,0,0,0]"), ""},
        {with("strokes", "[1,-2,3,4]", "[0,0,0,0.5]"), "odcinek [250000], liczba [3]: liczba 0.5 zamiast"},
        {with("rules", "\"0 1 0 0 0 0 0 0 -5\"", "\"0 0 0 0 0 0 0 0 1\""), ""},
    };
    for (const auto& [text, error] : cases) {
        SCOPED_TRACE(error);
        std::string read;
        const std::uint64_t peak = peakBytes([&] { read = parseWorkspace(text).error; });
        EXPECT_NE(read.find(error), std::string::npos) << read;
        // A segment kept as the form keeps it, a column of its own, takes five times its text.
        EXPECT_LE(peak, 8 * text.size() + (std::size_t{1} << 16)) << peak / text.size();
    }
}
