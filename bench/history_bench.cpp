// Showing a step of a long run again: the step slider moved anywhere along a 100,000-step run of
// the busy scene, each redraw sensing as the window does between steps.
#include <benchmark/benchmark.h>

#include <array>

#include "bench/bench_scenes.h"
#include "engine/run_history.h"

namespace vemrik::bench {

namespace {

void HistorySeek(benchmark::State& state) {
    TForm1 form;
    prepareForm(form, Scene::kBusy);
    for (std::uint64_t n = 0; n < kHistoryBound; ++n) {
        form.BitBtn6Click();
        form.BitBtn5Click();
    }
    const std::array<std::uint64_t, 4> targets{kHistoryBound, 1, kHistoryBound / 2, kHistoryBound - 1};
    std::size_t i = 0;
    for (auto _ : state) {
        form.ShowStep(targets[i++ % targets.size()]);
        benchmark::DoNotOptimize(form.State.RobotPosX);
    }
    if (form.History.steps() != kHistoryBound) state.SkipWithError("the run's history ended");
}

}  // namespace

BENCHMARK(HistorySeek)->Unit(benchmark::kMillisecond);

}  // namespace vemrik::bench
