#include "evaluation/evaluation_job.h"

#include <algorithm>
#include <chrono>

namespace vemrik {

int JobSettings::totalRuns() const { return runs * std::max<int>(1, static_cast<int>(levels.size())); }

bool JobResult::cancelled() const {
    if (!settings.sweeps()) return evaluation.cancelled;
    return wholeLevels() < static_cast<int>(settings.levels.size());
}

int JobResult::finishedRuns() const {
    int n = static_cast<int>(evaluation.runs.size());
    for (const SweepPoint& p : sweep) n += static_cast<int>(p.evaluation.runs.size());
    return n;
}

int JobResult::wholeLevels() const {
    return static_cast<int>(std::count_if(sweep.begin(), sweep.end(),
                                          [](const SweepPoint& p) { return !p.evaluation.cancelled; }));
}

EvaluationJob::EvaluationJob(RunSetup setup, JobSettings settings)
    : setup_(std::move(setup)), settings_(std::move(settings)) {
    setup_.noise = settings_.noise;
}

JobResult EvaluationJob::run(const ProgressFn& progress, int threads) {
    const auto start = std::chrono::steady_clock::now();
    JobResult r;
    r.settings = settings_;
    const JobSettings& s = settings_;
    if (s.sweeps())
        r.sweep = runSweep(setup_, s.levels, s.runs, s.maxSteps, s.seed, progress, cancel_, threads);
    else
        r.evaluation = runMany(setup_, s.runs, s.maxSteps, s.seed, progress, cancel_, threads);
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return r;
}

PreparedJob prepareJob(const Workspace& ws, const JobSettings& settings) {
    PreparedRun prepared = prepareRun(ws);
    if (!prepared.setup) return {nullptr, prepared.error};
    return {std::make_unique<EvaluationJob>(std::move(*prepared.setup), settings), {}};
}

}  // namespace vemrik
