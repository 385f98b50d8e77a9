// Reading a run log back in, a robot's or the program's own, and counting it against a simulation.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "analysis/run_csv.h"
#include "analysis/run_log_reader.h"
#include "engine/run_record.h"
#include "evaluation/run_comparison.h"
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

}  // namespace

// The robot's log of the oval, read and counted by hand.
TEST(RunLogReader, RobotLogReadsWithoutPosesAndCountsByLineAndPattern) {
    const RunLog log = ovalLog();
    ASSERT_EQ(log.steps.size(), 8u);
    EXPECT_EQ(log.skippedLines, 0);
    const LoggedStep& first = log.steps[0];
    // s2 and s3 in step 1, s1 and s4 in step 7; step 2 had no rule.
    EXPECT_EQ(std::tuple(first.step, first.hasPose, first.sensors, first.ruleIndex, log.ruleText(first),
                         first.stop),
              std::tuple(1u, false, 0b0110, 4, std::string("0 1 1 0 0 0 0 0 0"), false));
    EXPECT_EQ(std::tuple(log.steps[1].ruleIndex, log.ruleText(log.steps[1]), log.steps[6].sensors,
                         log.steps[7].step),
              std::tuple(0, std::string(), 0b1001, 8u));
    // Four rules named, the first twice.
    EXPECT_EQ(log.texts.size(), 4u);
    EXPECT_EQ(log.steps[5].text, first.text);
    // As the time line takes them: rules counted from 0.
    const std::vector<RunRow> rows = recordedSteps(log);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(
        std::tuple(rows[0].step, rows[0].rule, rows[1].rule, rows[1].ruleText, rows[6].sensors, rows[7].rule),
        std::tuple(1u, 3, kNoRule, -1, 0b1001, 7));
    EXPECT_EQ(log.texts[static_cast<std::size_t>(rows[0].ruleText)], "0 1 1 0 0 0 0 0 0");

    const RunCounts robot = countLog(log, kOvalRules.size());
    EXPECT_EQ(robot.steps, 8u);
    // Line 4 twice (steps 1 and 6), lines 5, 6 and 8 once, no rule three times.
    EXPECT_EQ(robot.lineHits, (std::vector<std::uint64_t>{0, 0, 0, 2, 1, 1, 0, 1}));
    EXPECT_EQ(robot.noRule, 3u);
    // s2 s3 = 6 three times; s3 = 4, s3 s4 = 12, s2 s3 s4 = 14, s1 s4 = 9 and none = 0 once.
    std::array<std::uint64_t, kPatternCount> patterns{};
    patterns[6] = 3;
    patterns[4] = patterns[12] = patterns[14] = patterns[9] = patterns[0] = 1;
    EXPECT_EQ(robot.patterns, patterns);
    EXPECT_EQ(uncoveredPatterns(robot, kOvalRules), (std::vector<int>{9, 14}));
    EXPECT_EQ(otherLines(log, kOvalRules), std::vector<OtherLine>{});
    EXPECT_EQ(patternText(14), "0 1 1 1 0 0 0 0");
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
    const Case cases[] = {
        {"", "plik jest pusty"},
        {" \r\n\n", "plik jest pusty"},
        {"step,heading\n1,2\n", noHeader},
        {"noise " + kHeader + ok, noHeader},
        {kHeader, "po nagłówku nie ma żadnego kroku"},
        {kHeader + "\n", "po nagłówku nie ma żadnego kroku"},
        {kHeader + ok + "\n2,,,,0,0,0,0,0,0,0,0,0,,\n", "wiersz 3: pusty wiersz, a po nim są jeszcze dane"},
        {"x\n" + kHeader + ok + kHeader,
         "wiersz 4: drugi nagłówek; czy płytka uruchomiła się od nowa w trakcie zapisu?"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,0,\n", "wiersz 2: jest 14 pól zamiast 15"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,0,,,\n", "wiersz 2: jest 16 pól zamiast 15"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,0,,\r\r\n", field("stop", "\r", stopValue)},
        {kHeader + "0,,,,0,0,0,0,0,0,0,0,0,,\n", field("step", "0", "liczby całkowitej od 1")},
        {kHeader + "+1,,,,0,0,0,0,0,0,0,0,0,,\n", field("step", "+1", "liczby całkowitej od 1")},
        {kHeader + "1 ,,,,0,0,0,0,0,0,0,0,0,,\n", field("step", "1 ", "liczby całkowitej od 1")},
        {kHeader + "18446744073709551616,,,,0,0,0,0,0,0,0,0,0,,\n",
         field("step", "18446744073709551616", "liczby całkowitej od 1")},
        {kHeader +
             "18446744073709551615,,,,0,0,0,0,0,0,0,0,0,,\n18446744073709551615,,,,0,0,0,0,0,0,0,0,0,,\n",
         "wiersz 3: krok 18446744073709551615 po kroku 18446744073709551615" + inOrder},
        {kHeader + ok + "3,,,,0,0,0,0,0,0,0,0,0,,\n", "wiersz 3: krok 3 po kroku 1" + inOrder},
        {kHeader + ok + "1,,,,0,0,0,0,0,0,0,0,0,,\n", "wiersz 3: krok 1 po kroku 1" + inOrder},
        {kHeader + "1,0,,0,0,0,0,0,0,0,0,0,0,,\n",
         "wiersz 2: heading, x i y muszą być podane wszystkie trzy albo żadne"},
        {kHeader + ok + "2,0,0,0,0,0,0,0,0,0,0,0,0,,\n",
         "wiersz 3: heading, x i y są podane, a w pierwszym kroku były puste"},
        {kHeader + "1,0,0,0,0,0,0,0,0,0,0,0,0,,\n" + "2,,,,0,0,0,0,0,0,0,0,0,,\n",
         "wiersz 3: heading, x i y są puste, a w pierwszym kroku były podane"},
        {kHeader + "1,0,nan,0,0,0,0,0,0,0,0,0,0,,\n", field("x", "nan", number)},
        {kHeader + "1,0,0,1e39,0,0,0,0,0,0,0,0,0,,\n", field("y", "1e39", number)},
        {kHeader + "1,0x1,0,0,0,0,0,0,0,0,0,0,0,,\n", field("heading", "0x1", number)},
        {kHeader + "1,,,,0,0,0,0,0,0,0,2,0,,\n", field("s8", "2", "0 albo 1")},
        {kHeader + "1,,,,,0,0,0,0,0,0,0,0,,\n", field("s1", "", "0 albo 1")},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,-1,,\n", field("rule_index", "-1", "liczby całkowitej od 0")},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,2147483648,0 0 0 0 0 0 0 0 1,\n",
         field("rule_index", "2147483648", "liczby całkowitej od 0")},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,0,0 0 0 0 0 0 0 0 1,\n",
         "wiersz 2: rule_index jest 0 (żadna reguła), a rule_text nie jest pusty"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,3,,\n", "wiersz 2: rule_index jest 3, a rule_text jest pusty"},
        {kHeader + "1,,,,1,0,0,0,0,0,0,0,1,0 0 0 0 0 0 0 0 1,\n",
         "wiersz 2: reguła „0 0 0 0 0 0 0 0 1” nie jest regułą dla stanów czujników s1…s8 tego wiersza"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,1,-20,\n",
         "wiersz 2: reguła „-20” nie jest regułą dla stanów czujników s1…s8 tego wiersza"},
        // The pattern fits and the step cannot read the rest: no rule ever acts so.
        {kHeader + "1,,,,0,1,1,0,0,0,0,0,1,0 1 1 0 0 0 0 0 banana,\n",
         "wiersz 2: rule_text „0 1 1 0 0 0 0 0 banana” nie jest regułą: kąt „banana” nie jest liczbą"},
        {kHeader + "1,,,,0,1,1,0,0,0,0,0,1,0 1 1 0 0 0 0 0 ,\n",
         "wiersz 2: rule_text „0 1 1 0 0 0 0 0 ” nie jest regułą: po wzorcu brakuje kąta"},
        {kHeader + "1,,,,1,0,0,0,0,0,0,0,1,\"1 0 0 0 0 0 0 0 \"\"x\"\"\",\n",
         "wiersz 2: rule_text „1 0 0 0 0 0 0 0 \"x\"” nie jest regułą: kąt „\"x\"” nie jest liczbą"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,1,0 0 0 0 0 0 0 0 1\t,\n",
         "wiersz 2: rule_text zawiera znak sterujący"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,1,\"0 0 0 0 0 0 0 0 1,\n",
         "wiersz 2: cudzysłów otwierający pole rule_text nie jest zamknięty"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,1,\"0 0 0 0 0 0 0 0 1\"x,\n",
         "wiersz 2: po cudzysłowie zamykającym pole rule_text jest jeszcze tekst"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,1,0 0 0 0 0 0 0 0 \"1\",\n",
         "wiersz 2: cudzysłów w środku pola rule_text; takie pole musi być całe w cudzysłowie"},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,0,,yes\n", field("stop", "yes", stopValue)},
        {kHeader + "1,,,,0,0,0,0,0,0,0,0,0,," + std::string(50, 'x') + "\n",
         field("stop", std::string(40, 'x') + "…", stopValue)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ParsedRunLog parsed = parseRunLog(c.text);
        EXPECT_FALSE(parsed.log);
        EXPECT_EQ(parsed.error, c.error);
    }
}

TEST(RunLogReader, StepsBeyondTheBoundAreRefused) {
    std::string text = kHeader;
    for (std::size_t i = 1; i <= kMaxLogSteps + 1; ++i)
        text += std::to_string(i) + ",,,,0,0,0,0,0,0,0,0,0,,\n";
    EXPECT_EQ(parseRunLog(text).error, "wiersz 1000002: więcej niż 1000000 kroków");
}

// However high a line a log names, counting takes memory only for the lines it names.
TEST(RunComparison, LinesPastTheRulesAreCountedByTheLinesNamed) {
    const std::string none = "0,0,0,0,0,0,0,0,";
    const RunLog log = read(kHeader + "1,,,," + none + "2147483647,0 0 0 0 0 0 0 0 1,\n" + "2,,,," + none +
                            "9,0 0 0 0 0 0 0 0 1,\n" + "3,,,," + none + "2147483647,0 0 0 0 0 0 0 0 1,\n" +
                            "4,,,," + none + "1,0 0 0 0 0 0 0 0 1,\n" + "5,,,," + none + "0,,\n");
    const RunCounts counts = countLog(log, kOvalRules.size());
    EXPECT_EQ(counts.lineHits, (std::vector<std::uint64_t>{1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(counts.beyond, (std::vector<std::pair<int, std::uint64_t>>{{8, 1}, {2147483646, 2}}));
    EXPECT_EQ(std::tuple(counts.steps, counts.noRule, counts.patterns[0], counts.hits(8),
                         counts.hits(2147483646), counts.hits(9)),
              std::tuple(5u, 1u, 5u, 1u, 2u, 0u));
}

TEST(RunComparison, SimulationStepsAsManyAsTheLogOrToTheStop) {
    Workspace ws = evaltest::straightTrack();
    ws.rules = {"0 0 0 0 0 0 0 0 0"};  // acts or not, straight on either way
    PreparedRun prepared = prepareRun(ws);
    ASSERT_TRUE(prepared.setup) << prepared.error;
    const RunCounts shortRun = simulateCounts(*prepared.setup, 1, 10);
    EXPECT_EQ(std::tuple(shortRun.steps, shortRun.stopped), std::tuple(10u, false));
    const RunCounts full = simulateCounts(*prepared.setup, 1, 1000);
    EXPECT_EQ(std::tuple(full.steps, full.stopped),
              std::tuple(static_cast<std::uint64_t>(evaltest::kStraightSteps), true));
}

// The simulation counts what the window's own run with that seed does, line by line and pattern
// by pattern.
TEST(RunComparison, SimulationCountsTheWindowsOwnRun) {
    const ParsedWorkspace oval = readWorkspaceFile(VEMRIK_EXAMPLES_DIR "/oval.vemrik");
    ASSERT_TRUE(oval.workspace) << oval.error;
    TForm1 f;
    applyWorkspace(f, *oval.workspace);
    const RunSetup setup = *prepareRun(captureWorkspace(f)).setup;
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
