#include "evaluation/run_many.h"

#include <algorithm>
#include <mutex>

#include "platform/threads.h"

namespace vemrik {

std::uint32_t runSeed(std::uint32_t baseSeed, int run) { return baseSeed + static_cast<std::uint32_t>(run); }

namespace {

int threadCount(int asked, int runs) {
    int n = asked > 0 ? asked : workerSlots();
    return std::clamp(n, 1, std::max(runs, 1));
}

}  // namespace

Evaluation runMany(const RunSetup& setup, int runs, int maxSteps, std::uint32_t baseSeed,
                   const ProgressFn& progress, const std::atomic<bool>& cancel, int threads) {
    runs = std::max(runs, 0);
    // Each slot is written by the one thread that took its run, and read after all have joined.
    std::vector<RunResult> results(static_cast<std::size_t>(runs));
    std::atomic<int> next{0};
    // Taken only to report progress, so that the calls come one at a time with rising counts.
    std::mutex progressLock;
    int finished = 0;

    const auto work = [&] {
        for (;;) {
            if (cancel.load(std::memory_order_relaxed)) return;
            const int i = next.fetch_add(1);
            if (i >= runs) return;
            RunResult& r = results[static_cast<std::size_t>(i)];
            r = runOnce(setup, runSeed(baseSeed, i), maxSteps, cancel);
            if (r.outcome == Outcome::Cancelled) return;
            if (!progress) continue;
            const std::lock_guard lock(progressLock);
            progress(++finished, runs);
        }
    };
    onWorkers(threadCount(threads, runs), work);

    Evaluation e;
    e.requested = runs;
    // A run never taken keeps the default result, which is not Cancelled: tell them apart by
    // the count of runs handed out.
    const int handedOut = std::min(next.load(), runs);
    e.runs.reserve(static_cast<std::size_t>(handedOut));
    for (int i = 0; i < handedOut; ++i) {
        const RunResult& r = results[static_cast<std::size_t>(i)];
        if (r.outcome != Outcome::Cancelled) e.runs.push_back({i, runSeed(baseSeed, i), r});
    }
    e.cancelled = static_cast<int>(e.runs.size()) < runs;
    return e;
}

}  // namespace vemrik
