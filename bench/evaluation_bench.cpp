// The headless runner on the typical scene: steps per second on one core and on all cores, and
// the answer the evaluation dialog gives by default (200 runs of at most 5,000 steps).
#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>

#include "evaluation/run_many.h"
#include "scenes/scenes.h"
#include "ui/workspace_form.h"

using namespace vemrik;

namespace {

/// The typical scene; without its stop cell when every run is to go to the step limit.
RunSetup typicalSetup(bool withStop) {
    TForm1 form;
    applyWorkspace(form, typicalScene());
    if (!withStop) form.State.MapGrid.at(10, 20) = kLine;
    return std::move(*prepareRun(captureWorkspace(form)).setup);
}

// Laps of the oval: every step is a full step, none ends a run.
void BM_StepsOneCore(benchmark::State& state) {
    const RunSetup setup = typicalSetup(false);
    constexpr int kSteps = 100000;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const RunResult r = runOnce(setup, seed++, kSteps);
        benchmark::DoNotOptimize(r);
    }
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kSteps, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StepsOneCore)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StepsAllCores(benchmark::State& state) {
    const RunSetup setup = typicalSetup(false);
    const int threads = static_cast<int>(state.range(0));
    constexpr int kSteps = 20000;
    const std::atomic<bool> never{false};
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const Evaluation e = runMany(setup, 4 * threads, kSteps, seed, nullptr, never, threads);
        seed += static_cast<std::uint32_t>(4 * threads);
        benchmark::DoNotOptimize(e.runs.data());
    }
    state.counters["steps/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * 4 * threads * kSteps, benchmark::Counter::kIsRate);
}
// Process CPU time counts every thread, so steps per CPU second stay flat when scaling is linear.
BENCHMARK(BM_StepsAllCores)
    ->Arg(1)
    ->Arg(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// What "Oceń" answers by default, preparing included.
void BM_DefaultEvaluation(benchmark::State& state) {
    TForm1 form;
    applyWorkspace(form, typicalScene());
    const Workspace ws = captureWorkspace(form);
    const std::atomic<bool> never{false};
    for (auto _ : state) {
        const PreparedRun p = prepareRun(ws);
        const Evaluation e = runMany(*p.setup, 200, 5000, Engine::kDefaultSeed, nullptr, never);
        benchmark::DoNotOptimize(e.runs.data());
    }
}
BENCHMARK(BM_DefaultEvaluation)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
