#pragma once

#include "workspace/workspace.h"

namespace vemrik {

/// Workspaces that tests and benchmarks share, built as a user would draw them.

/// An oval track of 300 brush segments and the 146 cells it crosses (one of them the start and
/// one the stop cell), a robot of 60 body and wheel cells with 8 sensors in a front row, 20
/// rules; the start heading 90 so that "Start" heads along the track.
Workspace typicalScene();

/// 10,000 brush segments, 2,000 cells, 9 sensors, 100 rules: far more than anyone draws.
Workspace busyScene();

}  // namespace vemrik
