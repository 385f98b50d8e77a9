#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/run_log_reader.h"
#include "platform/texts.h"
#include "workspace/workspace.h"

namespace vemrik {

/// One cell of a report's table; a number is right-aligned where it is shown.
struct ReportCell {
    std::string text;
    bool number = false;
    friend bool operator==(const ReportCell&, const ReportCell&) = default;
};

using ReportRow = std::vector<ReportCell>;

/// A robot's log beside a headless run of the workspace's rules on its track with the seed, as
/// many steps long, in the words the core speaks now. Front ends only lay it out.
struct RobotLogReport {
    /// One sentence first: the pattern whose share of steps differs most and its line's hits in
    /// both, that none differs worth saying, or that there is nothing to compare.
    std::string headline;
    /// The log, the simulation (or why there is none) and warnings about the log's lines.
    std::string summary;
    /// Line, rule, the robot's hits, the simulation's: the rules' lines and those past them the
    /// robot named, as far as the table goes, then the rest counted, then the steps with no rule.
    std::vector<ReportRow> lines;
    /// The patterns the robot met with no rule written for them, a line each, or that there are none.
    std::string uncovered;
    /// Pattern, the robot's share of steps, the simulation's: the patterns either met, the robot's
    /// commonest first. Every pattern of the report has as many digits as the robot has sensors.
    std::vector<ReportRow> patterns;
    /// The digits of a pattern: the robot's sensors, or more where a run saw a sensor past them.
    int sensors = 8;
};

/// The words a report is laid out under: the dialog's title, the tables' columns, the groups.
struct RobotLogHeadings {
    Text title, line, rule, robot, simulation, lines, uncovered, patterns;
    /// The patterns' column, {1} the report's sensors.
    Text pattern;
    /// A log refused: {1} its file, {2} why.
    Text cannotOpen;
};
inline constexpr RobotLogHeadings kRobotLogHeadings{
    {"Przebieg robota", "Robot run"},
    {"Linia", "Line"},
    {"Reguła", "Rule"},
    {"Robot", "Robot"},
    {"Symulacja", "Simulation"},
    {"Jak często działała każda linia", "How often each line acted"},
    {"Wzorce bez reguły, które napotkał robot", "Patterns without a rule that the robot met"},
    {"Udział kroków na wzorzec", "Share of steps per pattern"},
    {"Wzorzec s1…s{1}", "Pattern s1…s{1}"},
    {"Nie można otworzyć przebiegu „{1}”:\n{2}", "Cannot open the run “{1}”:\n{2}"}};

RobotLogReport robotLogReport(const RunLog& log, const Workspace& ws, std::uint32_t seed,
                              const std::string& fileName);

}  // namespace vemrik
