// Judging a built-in challenge level on one core, with the reference solution kept with the tests:
// the wait between a learner's "Sprawdź" and the stars.
#include <benchmark/benchmark.h>

#include <string>

#include "evaluation/challenge/challenge_series.h"
#include "workspace/workspace_file.h"

using namespace vemrik;

namespace {

void BM_JudgeLevel(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::string levels = VEMRIK_SOURCE_DIR "/challenges";
    const std::string level = readChallengeSeries(levels).levels.at(static_cast<std::size_t>(n - 1));
    const Task task = *readTaskFile(level).task;
    const std::string leaf = (n < 10 ? "0" : "") + std::to_string(n) + "-solution.vemrik";
    const Workspace work = *readWorkspaceFile(VEMRIK_SOURCE_DIR "/tests/challenges/" + leaf).workspace;
    for (auto _ : state) {
        const ChallengeVerdict v = judgeChallenge(task, work, 1);
        benchmark::DoNotOptimize(v.stars);
    }
}
BENCHMARK(BM_JudgeLevel)->DenseRange(1, 12)->Unit(benchmark::kMillisecond);

}  // namespace
