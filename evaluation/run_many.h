#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "evaluation/headless_run.h"

namespace vemrik {

/// The seed of run `run` (counted from 0) of an evaluation: the base seed plus the run's number,
/// wrapping at 2^32. Run 0 of base seed 5489 is the window's run right after start-up.
std::uint32_t runSeed(std::uint32_t baseSeed, int run);

/// One finished run of an evaluation.
struct EvaluatedRun {
    int run = 0;
    std::uint32_t seed = 0;
    RunResult result;
};

/// What an evaluation gave: the runs that finished, in run order, out of those asked for.
struct Evaluation {
    std::vector<EvaluatedRun> runs;
    int requested = 0;
    bool cancelled = false;
};

/// Called after each finished run with the number finished so far and the number asked for; from
/// the worker threads, one call at a time.
using ProgressFn = std::function<void(int finished, int total)>;

/// Runs `runs` runs of at most maxSteps steps, run i with runSeed(baseSeed, i), spread over
/// `threads` threads (0: one per core). Setting `cancel` stops every thread within a few
/// milliseconds; the runs finished by then are reported, the others dropped.
Evaluation runMany(const RunSetup& setup, int runs, int maxSteps, std::uint32_t baseSeed,
                   const ProgressFn& progress, const std::atomic<bool>& cancel, int threads = 0);

}  // namespace vemrik
