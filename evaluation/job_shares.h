#pragma once

#include <vector>

#include "evaluation/evaluation_job.h"

namespace vemrik {

/// The runs one of several workers makes: runs `from` .. `from + count - 1` of the whole job.
struct RunShare {
    int from = 0;
    int count = 0;
};

/// Share `part` of `parts` of `runs` runs, as even as can be, the earlier shares the larger; the
/// shares in order make every run once.
RunShare runShare(int runs, int part, int parts);

/// The settings that make the share's runs with the seeds they have in the whole job.
JobSettings shareSettings(const JobSettings& whole, const RunShare& share);

/// The whole job's result from its shares' results, given in run order: what one worker making
/// every run would have given, whatever the number of shares; its time is `seconds`.
JobResult mergedShares(const JobSettings& whole, const std::vector<JobResult>& shares, double seconds);

}  // namespace vemrik
