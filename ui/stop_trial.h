#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/rule_check.h"
#include "workspace/workspace.h"

namespace vemrik {

class TForm1;

/// The rule check's trial of the work: one headless run with `seed`, watched at every step for the
/// moment the robot's body is over a stop cell that none of its sensors touches, before any stop
/// is sensed. That moment as an UnseenStop finding; none when it never comes within the trial's
/// steps or the work cannot run.
std::optional<Finding> stopPassedInTrial(const Workspace& ws, std::uint32_t seed);

/// What "Sprawdź reguły…" lists for the form's work: a stop the trial run with the form's seed
/// drives over unseen first, then the findings of the rules for the robot's sensors.
std::vector<Finding> ruleCheckFindings(const TForm1& form);

}  // namespace vemrik
