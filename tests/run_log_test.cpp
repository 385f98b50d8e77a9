// Reading a run log back in, a robot's or the program's own, and counting it against a simulation.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "analysis/run_csv.h"
#include "analysis/run_log_reader.h"
#include "engine/run_record.h"
#include "evaluation/robot_log_report.h"
#include "evaluation/run_comparison.h"
#include "platform/texts.h"
#include "tests/evaluation_tracks.h"
#include "ui/form.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_file.h"

using namespace vemrik;

namespace {

const std::string kHeader = "step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop\n";
const std::vector<std::string> kOvalRules = {
    "1 0 0 0 0 0 0 0 -20", "1 1 0 0 0 0 0 0 -10", "0 1 0 0 0 0 0 0 -5", "0 1 1 0 0 0 0 0 0",
    "0 0 1 0 0 0 0 0 5",   "0 0 1 1 0 0 0 0 10",  "0 0 0 1 0 0 0 0 20", "0 0 0 0 0 0 0 0 10"};

RunLog read(const std::string& text) {
    ParsedRunLog parsed = parseRunLog(text);
    EXPECT_TRUE(parsed.log) << parsed.error;
    return parsed.log ? std::move(*parsed.log) : RunLog{};
}

RunLog ovalLog() {
    const ParsedRunLog parsed = readRunLogFile(VEMRIK_EXAMPLES_DIR "/oval-robot.csv");
    EXPECT_TRUE(parsed.log) << parsed.error;
    return parsed.log.value_or(RunLog{});
}

Workspace ovalWorkspace() {
    const ParsedWorkspace oval = readWorkspaceFile(VEMRIK_EXAMPLES_DIR "/oval.vemrik");
    EXPECT_TRUE(oval.workspace) << oval.error;
    TForm1 f;
    applyWorkspace(f, oval.workspace.value_or(Workspace{}));
    return captureWorkspace(f);
}

/// A row's cells between bars, a number's marked with '>' for its alignment.
std::string joined(const ReportRow& row) {
    std::string text;
    for (const ReportCell& cell : row)
        text += std::string(text.empty() ? "" : "|") + (cell.number ? ">" : "") + cell.text;
    return text;
}

using Rows = std::vector<std::pair<std::size_t, std::string>>;

/// The rows of a report's table at the places given, the last place the table's last row.
void expectRows(const std::vector<ReportRow>& rows, const Rows& wanted) {
    ASSERT_EQ(rows.size(), wanted.back().first + 1);
    for (const auto& [at, cells] : wanted) EXPECT_EQ(joined(rows[at]), cells) << at;
}

}  // namespace

// The robot's log of the oval, read and counted by hand.
TEST(RunLogReader, RobotLogReadsWithoutPosesAndCountsByLineAndPattern) {
    const RunLog log = ovalLog();
    ASSERT_EQ(log.steps.size(), 8u);
    const LoggedStep& first = log.steps[0];
    // s2 and s3 in step 1, s1 and s4 in step 7; step 2 had no rule.
    EXPECT_EQ(std::tuple(first.step, first.hasPose, first.sensors, first.ruleIndex, log.ruleText(first),
                         first.stop),
              std::tuple(1u, false, 0b0110, 4, std::string("0 1 1 0 0 0 0 0 0"), false));
    // As the time line takes them: rules counted from 0.
    const std::vector<RunRow> rows = recordedSteps(log);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(
        std::tuple(rows[0].step, rows[0].rule, rows[1].rule, rows[1].ruleText, rows[6].sensors, rows[7].rule),
        std::tuple(1u, 3, kNoRule, -1, 0b1001, 7));
    EXPECT_EQ(log.texts[static_cast<std::size_t>(rows[0].ruleText)], "0 1 1 0 0 0 0 0 0");

    const RunCounts robot = countLog(log, kOvalRules.size());
    // Line 4 twice (steps 1 and 6), lines 5, 6 and 8 once, no rule three times.
    EXPECT_EQ(robot.lineHits, (std::vector<std::uint64_t>{0, 0, 0, 2, 1, 1, 0, 1}));
    // Against other rules than the open ones: line 5 changed, line 8 gone; line 4 only gained the
    // blanks an exported robot leaves out of what it logs.
    std::vector<std::string> rules = kOvalRules;
    rules[3] = "0 1 1 0 0 0 0 0   0 ";
    rules[4] = "0 0 1 0 0 0 0 0 6";
    rules.pop_back();
    // With the texts the log gives them: the second and the fourth it met.
    EXPECT_EQ(otherLines(log, rules), (std::vector<OtherLine>{{4, 1}, {7, 3}}));
    EXPECT_EQ(uncoveredPatterns(robot, rules), (std::vector<int>{0, 9, 14}));
}

TEST(RunLogReader, WhatASerialMonitorAddsIsAccepted) {
    // Older rows dropped by the record: the log may start at any step.
    const std::string row1 = "41,-90,105.5,-3e-2,1,0,0,0,0,0,0,0,1,\"1 0 0 0 0 0 0 0 -2,5\",0";
    const std::string row2 = "42,0,1,2,0,0,0,0,0,0,0,0,0,,1";
    const std::string header = kHeader.substr(0, kHeader.size() - 1);
    struct Case {
        const char* name;
        std::string text;
        int skipped;
    };
    const Case cases[] = {
        {"CRLF", header + "\r\n" + row1 + "\r\n" + row2 + "\r\n", 0},
        {"no end of line at the end", header + "\n" + row1 + "\n" + row2, 0},
        {"empty lines at the end", header + "\n" + row1 + "\n" + row2 + "\n\r\n\n", 0},
        {"byte order mark", "\xEF\xBB\xBF" + header + "\n" + row1 + "\n" + row2 + "\n", 0},
        {"reset noise before the header",
         "\x80\x01garbage\r\nets Jan  8 2013\n\n" + header + "\n" + row1 + "\n" + row2 + "\n", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RunLog log = read(c.text);
        ASSERT_EQ(log.steps.size(), 2u);
        const LoggedStep& l = log.steps[0];
        EXPECT_EQ(
            std::tuple(log.skippedLines, l.step, l.hasPose, l.heading, l.x, l.y, l.sensors,
                       std::string(log.ruleText(l)), l.stop, log.steps[1].stop),
            std::tuple(c.skipped, 41u, true, -90.0f, 105.5f, -0.03f, 1, "1 0 0 0 0 0 0 0 -2,5", false, true));
    }
}

TEST(RunLogReader, OwnRunCsvReadsBackExactly) {
    const std::vector<std::string> rules = {"1 0 0 0 0 0 0 0 -20", "0 1 0 0 0 0 0 0 7,5"};
    RunRecord record;
    ProgramState s;
    const struct {
        float heading, x, y;
        int sensors, rule;
        bool stop;
    } steps[] = {{-0.1f, 350.123456f, 12.0f, 0b1, 0, false},
                 {1e-7f, -3.5f, 1e30f, 0b10, 1, false},
                 {359.99f, 0.0f, 0.0f, 0, kNoRule, true}};
    for (const auto& st : steps) {
        s.RobotHeading = st.heading;
        s.RobotPosX = st.x;
        s.RobotPosY = st.y;
        for (int k = 0; k < kSensorSlots; ++k)
            s.SensorStates[static_cast<std::size_t>(k)] = (st.sensors >> k) & 1;
        if (st.stop) record.noteStopSeen();
        record.recordStep(0.0f, 0.0f, s, st.rule, rules);
    }
    const RunLog log = read(runCsv(record));
    ASSERT_EQ(log.steps.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const LoggedStep& l = log.steps[i];
        EXPECT_EQ(std::tuple(l.step, l.hasPose, l.heading, l.x, l.y, l.sensors, l.ruleIndex, l.stop),
                  std::tuple(i + 1, true, steps[i].heading, steps[i].x, steps[i].y, steps[i].sensors,
                             steps[i].rule + 1, steps[i].stop))
            << i;
    }
    EXPECT_EQ(log.ruleText(log.steps[1]), "0 1 0 0 0 0 0 0 7,5");
}

TEST(RunLogReader, BadLogsAreRefusedWithTheirLine) {
    const std::string ok = "1,,,,0,0,0,0,0,0,0,0,0,,\n";
    const std::string noHeader = "nie ma wiersza nagłówka „" + kHeader.substr(0, kHeader.size() - 1) +
                                 "”; to nie jest przebieg zapisany przez Vemrik ani przez robota";
    const std::string inOrder = "; kroki idą kolejno, więc brakuje wierszy albo są przestawione";
    const auto field = [](const std::string& name, const std::string& value, const std::string& wanted) {
        return "wiersz 2: pole " + name + " ma wartość „" + value + "”; oczekiwano " + wanted;
    };
    const std::string stopValue = "0, 1 albo pustego pola", number = "skończonej liczby albo pustego pola";
    struct Case {
        std::string text;
        std::string error;
    };
    std::string tooLong = kHeader;
    for (std::size_t i = 1; i <= kMaxLogSteps + 1; ++i)
        tooLong += std::to_string(i) + ",,,,0,0,0,0,0,0,0,0,0,,\n";
    const Case cases[] = {
        {"", "plik jest pusty"},
        {tooLong, "wiersz 1000002: więcej niż 1000000 kroków"},
        {"noise " + kHeader + ok, noHeader},
        {kHeader, "po nagłówku nie ma żadnego kroku"},
        {kHeader + ok + "\n2,,,,0,0,0,0,0,0,0,0,0,,\n", "wiersz 3: pusty wiersz, a po nim są jeszcze dane"},
        {"x\n" + kHeader + ok + kHeader,
         "wiersz 4: drugi nagłówek; czy płytka uruchomiła się od nowa w trakcie zapisu?"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,0,\n", "wiersz 2: jest 14 pól zamiast 15"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,0,,\r\r\n", field("stop", "\r", stopValue)},
        {kHeader + "0,,,,0,0,0,0,0,0,0,0,0,,\n", field("step", "0", "liczby całkowitej od 1")},
        {kHeader + "18446744073709551616,,,,0,0,0,0,0,0,0,0,0,,\n",
         field("step", "18446744073709551616", "liczby całkowitej od 1")},
        {kHeader +
             "18446744073709551615,,,,0,0,0,0,0,0,0,0,0,,\n18446744073709551615,,,,0,0,0,0,0,0,0,0,0,,\n",
         "wiersz 3: krok 18446744073709551615 po kroku 18446744073709551615" + inOrder},
        {kHeader + ok + "3,,,,0,0,0,0,0,0,0,0,0,,\n", "wiersz 3: krok 3 po kroku 1" + inOrder},
        {kHeader + "1,0,,0,0,0,0,0,0,0,0,0,0,,\n",
         "wiersz 2: heading, x i y muszą być podane wszystkie trzy albo żadne"},
        {kHeader + ok + "2,0,0,0,0,0,0,0,0,0,0,0,0,,\n",
         "wiersz 3: heading, x i y są podane, a w pierwszym kroku były puste"},
        {kHeader + "1,0,nan,0,0,0,0,0,0,0,0,0,0,,\n", field("x", "nan", number)},
        {kHeader + "1,0,0,1e39,0,0,0,0,0,0,0,0,0,,\n", field("y", "1e39", number)},
        {kHeader + "1,,,,0,0,0,0,0,0,0,2,0,,\n", field("s8", "2", "0 albo 1")},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,2147483648,0 0 0 0 0 0 0 0 1,\n",
         field("rule_index", "2147483648", "liczby całkowitej od 0")},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,0,0 0 0 0 0 0 0 0 1,\n",
         "wiersz 2: rule_index jest 0 (żadna reguła), a rule_text nie jest pusty"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,3,,\n", "wiersz 2: rule_index jest 3, a rule_text jest pusty"},
        {kHeader + "1,,,,1,0,0,0,0,0,0,0,1,0 0 0 0 0 0 0 0 1,\n",
         "wiersz 2: reguła „0 0 0 0 0 0 0 0 1” nie jest regułą dla stanów czujników s1…s8 tego wiersza"},
        // The pattern fits and the step cannot read the rest: no rule ever acts so.
        {kHeader + "1,,,,0,1,1,0,0,0,0,0,1,0 1 1 0 0 0 0 0 ,\n",
         "wiersz 2: rule_text „0 1 1 0 0 0 0 0 ” nie jest regułą: po wzorcu brakuje kąta"},
        {kHeader + "1,,,,1,0,0,0,0,0,0,0,1,\"1 0 0 0 0 0 0 0 \"\"x\"\"\",\n",
         "wiersz 2: rule_text „1 0 0 0 0 0 0 0 \"x\"” nie jest regułą: kąt „\"x\"” nie jest liczbą"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,1,0 0 0 0 0 0 0 0 1\t,\n",
         "wiersz 2: rule_text zawiera znak sterujący"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,1,\"0 0 0 0 0 0 0 0 1,\n",
         "wiersz 2: cudzysłów otwierający pole rule_text nie jest zamknięty"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,0,," + std::string(50, 'x') + "\n",
         field("stop", std::string(40, 'x') + "…", stopValue)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        const ParsedRunLog parsed = parseRunLog(c.text);
        EXPECT_FALSE(parsed.log);
        EXPECT_EQ(parsed.error, c.error);
    }
}

// The simulation counts what the window's own run with that seed does, line by line and pattern
// by pattern.
TEST(RunComparison, SimulationCountsTheWindowsOwnRun) {
    const Workspace oval = ovalWorkspace();
    TForm1 f;
    applyWorkspace(f, oval);
    const RunSetup setup = *prepareRun(oval).setup;
    constexpr std::uint32_t kSeed = 77;
    constexpr std::uint64_t kSteps = 300;
    const RunCounts simulated = simulateCounts(setup, kSeed, kSteps);
    ASSERT_EQ(simulated.steps, kSteps);
    f.ReplaySeededRun(kSeed, kSteps);
    const RunRecord& run = f.engine.record();
    ASSERT_EQ(run.rowCount(), kSteps);
    std::array<std::uint64_t, kPatternCount> patterns{};
    std::uint64_t noRule = 0;
    for (std::size_t i = 0; i < run.rowCount(); ++i) {
        ++patterns[run.row(i).sensors];
        if (run.row(i).rule == kNoRule) ++noRule;
    }
    EXPECT_EQ(simulated.patterns, patterns);
    EXPECT_EQ(simulated.noRule, noRule);
    for (int line = 0; line < 8; ++line)
        EXPECT_EQ(simulated.hits(static_cast<std::size_t>(line)), run.hits(line)) << line;
}

// The report a front end lists as it is: the oval's robot by hand, a workspace that cannot run,
// a log naming too many lines to list, a simulation reaching its stop. It opens with where the two
// differ most, or that they do not, and writes patterns with the robot's four sensors, or one.
TEST(RobotLogReport, SaysWhatTheRobotAndTheSimulationDid) {
    const auto row = [](int step, int line, const std::string& rule = "0 0 0 0 0 0 0 0 10") {
        return std::to_string(step) + ",,,,0,0,0,0,0,0,0,0," + std::to_string(line) + "," + rule + ",\n";
    };
    // Row i names line i with the text of line 8: lines 1 to 7 differ, 9 to 150 are past the rules.
    std::string many = kHeader;
    for (int i = 1; i <= 150; ++i) many += row(i, i);
    std::string straight = kHeader;
    for (int i = 1; i <= 90; ++i) straight += row(i, 1, "0 0 0 0 0 0 0 0 0");
    Workspace straightTrack = evaltest::straightTrack();
    straightTrack.rules = {"0 0 0 0 0 0 0 0 0"};
    const Workspace oval = ovalWorkspace();
    struct Case {
        const char* name;
        Language language;
        RunLog log;
        Workspace ws;
        std::string headline;
        std::string summary;
        Rows lines;
        std::string uncovered;
        Rows patterns;
    };
    const Case cases[] = {
        {"oval",
         Language::Polish,
         ovalLog(),
         oval,
         "Robot rzadziej niż symulacja widział wzorzec 0 1 1 0 (w 37,5 % kroków, symulacja w 100,0 %): linia "
         "4 "
         "działała u robota 2 razy, w symulacji 4.",
         "Przebieg robota „robot.csv”, kroków: 8.\n"
         "Symulacja tych samych reguł na otwartej trasie, ziarno 5489, kroków: 8.",
         {{3, ">4|0 1 1 0 0 0 0 0 0|>2|>4"},
          {7, ">8|0 0 0 0 0 0 0 0 10|>1|>0"},
          {8, ">—|żadna: prosto|>3|>4"}},
         "1 0 0 1   kroków: 1\n0 1 1 1   kroków: 1",
         {{0, "0 1 1 0|>37,5 % (3)|>100,0 % (8)"}, {5, "0 1 1 1|>12,5 % (1)|>0,0 % (0)"}}},
        // Lines far past the empty list are named where the robot named them, not reached row by row.
        {"no start cell",
         Language::Polish,
         read("noise\n" + kHeader + row(1, 2147483647) + row(2, 9) + row(3, 2147483647)),
         Workspace{},
         "Nie ma czego porównać: brak kroków robota albo symulacji.",
         "Przebieg robota „robot.csv”, kroków: 3 (pominięte wiersze przed nagłówkiem: 1).\nNie można "
         "zasymulować tych reguł: na mapie nie ma pola startu.\nUwaga: robot działał w liniach 9, "
         "2147483647, "
         "których nie ma w otwartych regułach (mają linii: 0).",
         {{1, ">2147483647|(nie ma jej w otwartych regułach) — u robota: „0 0 0 0 0 0 0 0 10”|>2|>—"},
          {2, ">—|żadna: prosto|>0|>—"}},
         "0   kroków: 3",
         {{0, "0|>100,0 % (3)|>—"}}},
        {"many lines",
         Language::English,
         read(many),
         oval,
         "The robot met the pattern 0 0 0 0 more often than the simulation (in 100.0 % of its steps, the "
         "simulation in 0.0 %): line 8 acted 1 time on the robot, 0 in the simulation.",
         "Robot run “robot.csv”, steps: 150.\nSimulating the same rules on the open track, seed 5489, steps: "
         "150.\nNote: in lines 1, 2, 3, 4, 5, 6, 7 the robot followed other rules than the open ones.\n"
         "Note: the robot acted in lines 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, "
         "26, 27, 28 and 122 more, which the open rules do not have (they have 8 lines).",
         {{0, ">1|1 0 0 0 0 0 0 0 -20 — on the robot: “0 0 0 0 0 0 0 0 10”|>1|>0"},
          {100, ">…|and 50 more|>50|>0"},
          {101, ">—|none: straight on|>0|>69"}},
         "None: every pattern the robot met has a rule.",
         {{0, "0 0 0 0|>100.0 % (150)|>0.0 % (0)"}, {4, "0 1 0 0|>0.0 % (0)|>0.7 % (1)"}}},
        {"stop",
         Language::Polish,
         read(straight),
         straightTrack,
         "Robot i symulacja widziały każdy wzorzec w podobnej części kroków (różnica poniżej 5 punktów "
         "procentowych).",
         "Przebieg robota „robot.csv”, kroków: 90.\n"
         "Symulacja tych samych reguł na otwartej trasie, ziarno 5489, kroków: 84 (dojechała do pola stop).",
         {{0, ">1|0 0 0 0 0 0 0 0 0|>90|>45"}, {1, ">—|żadna: prosto|>0|>39"}},
         "Brak: na każdy wzorzec, który robot napotkał, jest reguła.",
         {{0, "0|>100,0 % (90)|>100,0 % (84)"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        speakCore(c.language);
        const RobotLogReport report = robotLogReport(c.log, c.ws, 5489, "robot.csv");
        speakCore(Language::Polish);
        EXPECT_EQ(report.headline, c.headline);
        EXPECT_EQ(report.summary, c.summary);
        expectRows(report.lines, c.lines);
        EXPECT_EQ(report.uncovered, c.uncovered);
        expectRows(report.patterns, c.patterns);
    }
}
