// Showing a step of a long run again: the step slider moved to the first, the middle and the last
// step of a 100,000-step run of the busy scene, each step sensed as the window does.
#include <benchmark/benchmark.h>

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
    const auto target = static_cast<std::uint64_t>(state.range(0));
    for (auto _ : state) {
        form.ShowStep(target);
        benchmark::DoNotOptimize(form.State.RobotPosX);
    }
    if (form.History.steps() != kHistoryBound) state.SkipWithError("the run's history ended");
}

}  // namespace

BENCHMARK(HistorySeek)->Arg(1)->Arg(kHistoryBound / 2)->Arg(kHistoryBound)->Unit(benchmark::kMillisecond);

}  // namespace vemrik::bench
