#pragma once

#include <cstdint>
#include <string>

#include "engine/run_control.h"
#include "engine/run_history.h"
#include "engine/run_record.h"

namespace vemrik {

/// Simulated time of one step: the run timer's interval at normal speed.
inline constexpr int kSimulatedStepMs = 200;

/// "kroki: 12".
std::string stepsText(std::uint64_t steps);
/// The steps at 200 ms each, to the tenth of a second: "czas: 2,4 s".
std::string simulatedTimeText(std::uint64_t steps);
/// "stan: " and "zatrzymany", "gotowy", "jedzie" or "zatrzymuje się"; "pauza" for a run that is
/// ready because it was paused.
std::string runStateText(RunState state, bool paused = false);
/// Heading and position to a tenth: "kierunek 90,0°, x 355,0, y 205,0". The heading is shown
/// within 0 .. 360°, as a compass reads: 450° shows as 90,0°, -90° as 270,0°.
std::string poseText(const ProgramState& s);
/// What the run has come to, when there is something to say: "Brak pola Start na mapie" after
/// "Start" found no start cell (while there still is none), "dojechał do stopu w 441 krokach"
/// once the held run has seen a stop cell, "poza mapą od kroku 212" while the released robot is
/// off the drawn map; otherwise empty.
std::string runEventText(RunState state, const RunRecord& run, const ProgramState& s, bool startRefused);
/// Why "kroki" counts one more than the steps to the stop, once it does: the run timer's tick after
/// the sensing that saw the stop still makes its step. Empty otherwise.
std::string stopStepsText(const RunRecord& run);
/// The last step's rule, numbered from 1: "reguła 3: 1 0 0 0 0 0 0 1 -30", "prosto" when none
/// acted, "reguła usunięta: …" when its line is gone; empty before the first step.
std::string lastRuleText(const LastRule& rule);
/// "ziarno 5489", with " (powtarzalne)" when "Start" restarts the source from it.
std::string seedText(std::uint32_t seed, bool repeatable);
/// Where the run's history stands, when there is something to say: "cofnięto do kroku 12 z 40"
/// while an earlier step is shown, or why there is no history since an edit or a long run.
std::string historyText(const RunHistory& history);
/// A rule line's tooltip: "trafienia od startu: 12".
std::string hitsText(std::uint64_t hits);

}  // namespace vemrik
