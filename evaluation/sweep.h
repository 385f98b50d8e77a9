#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/noise.h"
#include "evaluation/run_many.h"
#include "evaluation/summary.h"

namespace vemrik {

/// A sweep's levels unless others are given: no noise, a quarter, half, three quarters, all of it.
std::vector<double> defaultSweepLevels();

/// One level of a sweep: the noise it ran with and what its runs gave.
struct SweepPoint {
    double level = 0.0;
    Noise noise;
    Evaluation evaluation;
    Summary summary;
};

/// Called after each finished run with the runs finished so far over all levels and their total.
using SweepProgressFn = std::function<void(int finished, int total)>;

/// The evaluation of `setup` at each level, the setup's noise scaled by the level; every level runs
/// the same seeds, so the levels differ by the noise alone, and level 0 is the evaluation without
/// noise. A cancel ends the sweep at the level it is in; that level's finished runs are kept.
std::vector<SweepPoint> runSweep(const RunSetup& setup, const std::vector<double>& levels, int runs,
                                 int maxSteps, std::uint32_t baseSeed, const SweepProgressFn& progress,
                                 const std::atomic<bool>& cancel, int threads = 0);

/// The sweep as a table for people, in Polish: a row of column names, then per level the noise,
/// the runs, the success rate and its 95 % interval.
std::vector<std::vector<std::string>> sweepTable(const std::vector<SweepPoint>& sweep);

/// The noise for people, in Polish, as "odwrócenie 0,050, przesunięcie 5,0 px, obrót 10,0°".
std::string noiseText(const Noise& n);

}  // namespace vemrik
