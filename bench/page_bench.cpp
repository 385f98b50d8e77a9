// What the program does again and again: the refresh cycle redraws the visible page up to 40
// times a second, the map page repaints on every pointer move while a cell tool is chosen, and
// a run steps every 200 ms.
#include <benchmark/benchmark.h>

#include "bench/bench_scenes.h"
#include "map/map_editor.h"
#include "ui/form.h"

namespace vemrik::bench {

namespace {

/// Calls one handler of a prepared form over and over.
template <class Handler>
void repeat(benchmark::State& state, Scene scene, Handler handler) {
    TForm1 form;
    prepareForm(form, scene);
    for (auto _ : state) {
        handler(form);
        benchmark::ClobberMemory();
    }
}

void BitBtn2Click(benchmark::State& state, Scene scene) {
    repeat(state, scene, [](TForm1& f) { f.BitBtn2Click(); });
}
void BitBtn3Click(benchmark::State& state, Scene scene) {
    repeat(state, scene, [](TForm1& f) { f.BitBtn3Click(); });
}
void BitBtn4Click(benchmark::State& state, Scene scene) {
    repeat(state, scene, [](TForm1& f) { f.BitBtn4Click(); });
}
void BitBtn5Click(benchmark::State& state, Scene scene) {
    repeat(state, scene, [](TForm1& f) { f.BitBtn5Click(); });
}

// The robot turned off the axes, as it is for most of a run: its outlines are slanted lines.
void BitBtn5ClickTurned(benchmark::State& state, Scene scene) {
    TForm1 form;
    prepareForm(form, scene);
    form.TrackBar2.position += 30;
    form.TrackBar2Change();
    form.BitBtn5Click();
    for (auto _ : state) {
        form.BitBtn5Click();
        benchmark::ClobberMemory();
    }
}

// After a map edit the simulation page paints its track again: one cell changes every time.
void BitBtn5ClickAfterEdit(benchmark::State& state, Scene scene) {
    repeat(state, scene, [](TForm1& f) {
        f.engine.editTrack([](ProgramState& s) {
            std::int32_t& cell = s.MapGrid.at(69, 39);
            cell = cell == kMapEmpty ? kLine : kMapEmpty;
            return true;
        });
        f.BitBtn5Click();
    });
}

// The "Linia" tool chosen, the pointer moving over the map without a button held.
void Image2MouseMoveCellTool(benchmark::State& state, Scene scene) {
    TForm1 form;
    prepareForm(form, scene);
    form.TabbedNotebook1Change(kMapPage);
    form.Button5Click();
    int x = 300;
    for (auto _ : state) {
        form.Image2MouseMove(x, 200);
        x = x == 300 ? 310 : 300;
        benchmark::ClobberMemory();
    }
}

// The same right after an edit of the track: a brush segment added, then taken back with "Cofnij".
void Image2MouseMoveAfterStroke(benchmark::State& state, Scene scene) {
    TForm1 form;
    prepareForm(form, scene);
    form.TabbedNotebook1Change(kMapPage);
    form.Button5Click();
    bool added = false;
    for (auto _ : state) {
        if (added)
            form.Button10Click();
        else
            form.engine.editTrack(
                [](ProgramState& s) { return appendStroke(s.StrokeList, 300, 200, 340, 230), true; });
        added = !added;
        form.Image2MouseMove(300, 200);
        benchmark::ClobberMemory();
    }
}

// One step reading all of the busy scene's 100 rules: with every sensor on, no rule matches, so
// none ends the search early.
void BitBtn6ClickHundredRules(benchmark::State& state) {
    TForm1 form;
    prepareForm(form, Scene::kBusy);
    for (auto _ : state) {
        for (int k = 0; k < kSensorSlots; ++k) form.engine.setSensorState(k, true);
        form.BitBtn6Click();
        benchmark::ClobberMemory();
    }
    state.counters["rules"] = static_cast<double>(form.ListBox1.count());
}

// A refresh tick on which nothing is to be drawn (the forced redraw of every 15th tick kept away).
void Timer1TimerIdle(benchmark::State& state) {
    TForm1 form;
    prepareForm(form, Scene::kTypical);
    form.TabbedNotebook1Change(kSimulationPage);
    form.Shell.RedrawPending = 0;
    for (auto _ : state) {
        form.Shell.TickCounter = 0;
        form.Timer1Timer();
        benchmark::ClobberMemory();
    }
}

// The window's idle refresh tick with what follows every handled event: asking whether the work
// still is the one saved.
void Timer1TimerIdleModified(benchmark::State& state, Scene scene) {
    TForm1 form;
    prepareForm(form, scene);
    form.TabbedNotebook1Change(kSimulationPage);
    form.Shell.RedrawPending = 0;
    form.document.keep("", form.engine);
    for (auto _ : state) {
        form.Shell.TickCounter = 0;
        form.Timer1Timer();
        benchmark::DoNotOptimize(form.document.modified(form.engine));
        benchmark::ClobberMemory();
    }
}

// One tick of a running robot as the window makes it: the run timer's step and the refresh
// tick's sensing and redraw, each event followed by the question whether the work is modified.
void Timer2TimerRunning(benchmark::State& state, Scene scene) {
    TForm1 form;
    prepareForm(form, scene);
    form.document.keep("", form.engine);
    for (auto _ : state) {
        form.Timer2Timer();
        benchmark::DoNotOptimize(form.document.modified(form.engine));
        form.Timer1Timer();
        benchmark::DoNotOptimize(form.document.modified(form.engine));
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK_CAPTURE(BitBtn2Click, empty, Scene::kEmpty);
BENCHMARK_CAPTURE(BitBtn2Click, typical, Scene::kTypical);
BENCHMARK_CAPTURE(BitBtn2Click, busy, Scene::kBusy);
BENCHMARK_CAPTURE(BitBtn3Click, empty, Scene::kEmpty);
BENCHMARK_CAPTURE(BitBtn3Click, typical, Scene::kTypical);
BENCHMARK_CAPTURE(BitBtn3Click, busy, Scene::kBusy);
BENCHMARK_CAPTURE(BitBtn4Click, empty, Scene::kEmpty);
BENCHMARK_CAPTURE(BitBtn4Click, typical, Scene::kTypical);
BENCHMARK_CAPTURE(BitBtn4Click, busy, Scene::kBusy);
BENCHMARK_CAPTURE(BitBtn5Click, empty, Scene::kEmpty);
BENCHMARK_CAPTURE(BitBtn5Click, typical, Scene::kTypical);
BENCHMARK_CAPTURE(BitBtn5Click, busy, Scene::kBusy);
BENCHMARK_CAPTURE(BitBtn5ClickTurned, typical, Scene::kTypical);
BENCHMARK_CAPTURE(BitBtn5ClickTurned, busy, Scene::kBusy);
BENCHMARK_CAPTURE(BitBtn5ClickAfterEdit, typical, Scene::kTypical);
BENCHMARK_CAPTURE(BitBtn5ClickAfterEdit, busy, Scene::kBusy);
BENCHMARK_CAPTURE(Image2MouseMoveCellTool, empty, Scene::kEmpty);
BENCHMARK_CAPTURE(Image2MouseMoveCellTool, typical, Scene::kTypical);
BENCHMARK_CAPTURE(Image2MouseMoveCellTool, busy, Scene::kBusy);
BENCHMARK_CAPTURE(Image2MouseMoveAfterStroke, typical, Scene::kTypical);
BENCHMARK_CAPTURE(Image2MouseMoveAfterStroke, busy, Scene::kBusy);
BENCHMARK(BitBtn6ClickHundredRules);
BENCHMARK(Timer1TimerIdle);
BENCHMARK_CAPTURE(Timer1TimerIdleModified, typical, Scene::kTypical);
BENCHMARK_CAPTURE(Timer1TimerIdleModified, busy, Scene::kBusy);
BENCHMARK_CAPTURE(Timer2TimerRunning, typical, Scene::kTypical);
BENCHMARK_CAPTURE(Timer2TimerRunning, busy, Scene::kBusy);

}  // namespace vemrik::bench
