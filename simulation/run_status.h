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
/// "stan: " and "zatrzymany", "gotowy", "jedzie" or "zatrzymuje się".
std::string runStateText(RunState state);
/// Heading and position to a tenth: "kierunek 90,0°, x 355,0, y 205,0".
std::string poseText(const ProgramState& s);
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
