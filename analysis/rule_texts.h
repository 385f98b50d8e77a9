#pragma once

#include <string>
#include <vector>

#include "analysis/rule_check.h"
#include "analysis/rule_reading.h"

namespace vemrik {

/// "1/3 (33 %)".
std::string chanceText(Chance c);
/// The cube as a rule writes its pattern, "*" for a sensor in either state: "1 * 0 0 0 0 0 0".
std::string cubeText(PatternCube cube, int sensors);
/// What the robot can read and how much the check found: "Robot ma 4 czujniki, więc może dać
/// 16 wzorców. Uwagi: 3."
std::string checkSummary(std::size_t findings, int sensors);
/// One finding of the rule check in plain words, lines and sensors counted from 1.
std::string findingText(const Finding& f, const std::vector<std::string>& rules, int sensors);

/// What line `line` of the pattern does in the next step: its chance, or why it cannot act.
std::string matchVerdict(int line, const LineReading& reading, const PatternOdds& odds);
/// What going straight on does in the next step: its chance, or the line the step fails on.
std::string straightVerdict(const PatternOdds& odds);

}  // namespace vemrik
