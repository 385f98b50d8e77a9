#pragma once

#include "ui/form.h"

namespace vemrik {

/// Scenes that tests, benchmarks and examples share. Each starts from the form as it is after
/// start-up and fills in a robot, a map, strokes and rules.

/// Nothing drawn, no rules: the form right after start-up.
void buildEmptyScene(TForm1& form);

/// An oval track of 300 brush segments and 200 cells (line cells along the oval, one start and
/// one stop cell), a robot of 60 body and wheel cells with 8 sensors in a front row, 20 rules;
/// TrackBar2 at 90 so that "Start" heads along the track.
void buildTypicalScene(TForm1& form);

/// 10,000 brush segments, 2,000 cells, 9 sensors, 100 rules: far more than anyone draws.
void buildBusyScene(TForm1& form);

}  // namespace vemrik
