// The headless runner on the typical scene: steps per second on one core and on all cores, and
// the answer the evaluation dialog gives by default (200 runs of at most 5,000 steps).
#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>

#include "bench/floor_table.h"
#include "evaluation/run_many.h"
#include "scenes/scenes.h"
#include "ui/workspace_form.h"

using namespace vemrik;
using vemrik::bench::allCores;
using vemrik::bench::kStepsCounter;

namespace {

/// The typical scene; without its stop cell when every run is to go to the step limit.
RunSetup typicalSetup(bool withStop) {
    TForm1 form;
    applyWorkspace(form, typicalScene());
    if (!withStop)
        form.engine.editTrack([](ProgramState& s) { return (s.MapGrid.at(10, 20) = kLine), true; });
    return std::move(*prepareRun(captureWorkspace(form)).setup);
}

/// The steps of one iteration, for the steps table after the report (see floor_table.h), and the
/// steps per second of the time the benchmark goes by.
void countSteps(benchmark::State& state, double stepsPerIteration) {
    state.counters[kStepsCounter] = stepsPerIteration;
    state.counters["steps/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * stepsPerIteration, benchmark::Counter::kIsRate);
}

// Laps of the oval: every step is a full step, none ends a run. CPU time, so a busy machine
// takes little from the figure.
void BM_StepsOneCore(benchmark::State& state) {
    const RunSetup setup = typicalSetup(false);
    constexpr int kSteps = 100000;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const RunResult r = runOnce(setup, seed++, kSteps);
        benchmark::DoNotOptimize(r);
    }
    countSteps(state, kSteps);
}
BENCHMARK(BM_StepsOneCore)->Unit(benchmark::kMillisecond);

// runMany on 1 and on all threads. The wall clock gives the steps per second; the process CPU
// time, which counts every thread, gives the steps per CPU second, which stay as they are on one
// thread when the threads scale.
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
    countSteps(state, 4.0 * threads * kSteps);
}
BENCHMARK(BM_StepsAllCores)
    ->Arg(1)
    ->Arg(allCores())
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
