#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/noise.h"
#include "evaluation/job_limits.h"
#include "evaluation/run_many.h"
#include "evaluation/run_setup.h"
#include "evaluation/sweep.h"
#include "workspace/workspace.h"

namespace vemrik {

/// What an evaluation is asked to do, as the command line and the dialog both take it.
struct JobSettings {
    int runs = kRunsSetting.start;
    int maxSteps = kMaxStepsSetting.start;
    std::uint32_t seed = kSeedSetting.start;
    Noise noise;
    /// Empty: one evaluation with `noise`; otherwise a sweep over these levels of it.
    std::vector<double> levels;

    bool sweeps() const { return !levels.empty(); }
    /// The runs of all levels together.
    int totalRuns() const;
};

/// What a job gave: one evaluation's runs or a sweep's levels, and how long they took.
struct JobResult {
    JobSettings settings;
    /// The runs of one evaluation; empty for a sweep.
    Evaluation evaluation;
    /// The levels of a sweep that were begun, the last one cut short by a cancel.
    std::vector<SweepPoint> sweep;
    double seconds = 0.0;

    /// Whether a cancel cut the runs short.
    bool cancelled() const;
    /// The runs finished, over all levels.
    int finishedRuns() const;
    /// The levels whose runs all finished.
    int wholeLevels() const;
};

/// One evaluation or sweep of a prepared setup. `run` works in the calling thread (spreading the
/// runs over the cores); `cancel` may come from any other thread while it works.
class EvaluationJob {
public:
    EvaluationJob(RunSetup setup, JobSettings settings);

    const JobSettings& settings() const { return settings_; }

    /// Called after each finished run with the runs finished over all levels and totalRuns(); from
    /// the worker threads, one call at a time, with rising counts.
    JobResult run(const ProgressFn& progress = nullptr, int threads = 0);
    /// Stops a running `run` within milliseconds (the runs finished are kept), or the next one
    /// before it starts.
    void cancel() { cancel_.store(true, std::memory_order_relaxed); }

private:
    RunSetup setup_;
    JobSettings settings_;
    std::atomic<bool> cancel_{false};
};

/// A job, or why the workspace cannot be judged.
struct PreparedJob {
    std::unique_ptr<EvaluationJob> job;
    /// Empty when there is a job; otherwise, in Polish, what stands in the way.
    std::string error;
};

/// The job of judging `ws` with `settings`; refused as prepareRun refuses.
PreparedJob prepareJob(const Workspace& ws, const JobSettings& settings);

}  // namespace vemrik
