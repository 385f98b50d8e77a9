// What noise costs a headless run on the typical scene: the same laps without noise (one branch
// per sensing) and with flips (a draw per sensor per sensing) and a moved start. On CPU time:
// the ratio holds on a loaded machine.
#include <benchmark/benchmark.h>

#include "evaluation/headless_run.h"
#include "scenes/scenes.h"
#include "ui/workspace_form.h"

using namespace vemrik;

namespace {

void BM_StepsWithNoise(benchmark::State& state) {
    TForm1 form;
    applyWorkspace(form, typicalScene());
    // No stop: every run laps to its limit.
    form.engine.editTrack([](ProgramState& s) { return (s.MapGrid.at(10, 20) = kLine), true; });
    RunSetup setup = std::move(*prepareRun(captureWorkspace(form)).setup);
    if (state.range(0) != 0) setup.noise = {0.05, 5.0, 10.0};
    constexpr int kSteps = 100000;
    std::uint32_t seed = 1;
    std::int64_t steps = 0;
    for (auto _ : state) {
        const RunResult r = runOnce(setup, seed++, kSteps);
        steps += r.steps;
        benchmark::DoNotOptimize(r);
    }
    state.counters["steps/s"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StepsWithNoise)->ArgName("noise")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
