#include "evaluation/job_shares.h"

#include <algorithm>

namespace vemrik {

namespace {

/// The share's runs numbered as in the whole job, added to `into`.
void appendRuns(Evaluation& into, const Evaluation& share, int from) {
    for (EvaluatedRun run : share.runs) {
        run.run += from;
        into.runs.push_back(run);
    }
    into.cancelled = into.cancelled || share.cancelled;
}

}  // namespace

RunShare runShare(int runs, int part, int parts) {
    const int base = runs / parts, extra = runs % parts;
    return {part * base + std::min(part, extra), base + (part < extra ? 1 : 0)};
}

JobSettings shareSettings(const JobSettings& whole, const RunShare& share) {
    JobSettings s = whole;
    s.seed = runSeed(whole.seed, share.from);
    s.runs = share.count;
    return s;
}

JobResult mergedShares(const JobSettings& whole, const std::vector<JobResult>& shares, double seconds) {
    JobResult r;
    r.settings = whole;
    r.seconds = seconds;
    r.evaluation.requested = whole.runs;
    for (std::size_t level = 0; level < whole.levels.size(); ++level) {
        const bool begun = std::all_of(shares.begin(), shares.end(),
                                       [&](const JobResult& s) { return level < s.sweep.size(); });
        if (!begun) break;
        SweepPoint point{whole.levels[level], shares.front().sweep[level].noise, {}, {}};
        point.evaluation.requested = whole.runs;
        int from = 0;
        for (const JobResult& s : shares) {
            appendRuns(point.evaluation, s.sweep[level].evaluation, from);
            from += s.settings.runs;
        }
        point.summary = summarize(point.evaluation.runs);
        const bool cut = point.evaluation.cancelled;
        r.sweep.push_back(std::move(point));
        if (cut) break;
    }
    int from = 0;
    for (const JobResult& s : shares) {
        appendRuns(r.evaluation, s.evaluation, from);
        from += s.settings.runs;
    }
    if (whole.sweeps()) r.evaluation = {};
    return r;
}

}  // namespace vemrik
