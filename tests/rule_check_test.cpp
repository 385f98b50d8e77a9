// The rule check and the inspector's odds, on lists and robots worked out by hand.
#include "analysis/rule_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/rule_texts.h"
#include "engine/engine.h"
#include "ui/stop_trial.h"
#include "workspace/workspace_file.h"

using namespace vemrik;

namespace {

// For a robot of three sensors (patterns 0 .. 7): pattern 1 twice at 30, a 1 for the fourth
// sensor, pattern 2 with no angle, no pattern, and pattern 4 on five lines.
const std::vector<std::string> kRules = {
    "1 0 0 0 0 0 0 0 30",
    "1 0 0 0 0 0 0 0 30",
    "0 0 0 1 0 0 0 0 10",
    "0 1 0 0 0 0 0 0 x",
    "abc",
    "0 0 1 0 0 0 0 0 1",
    "0 0 1 0 0 0 0 0 2",
    "0 0 1 0 0 0 0 0 3",
    "0 0 1 0 0 0 0 0 4",
    "0 0 1 0 0 0 0 0 5",
};

}  // namespace

// Patterns 1, 2 and 4 have lines, so 0, 3, 5, 6 and 7 go straight on: grown from the smallest
// left, they make 0 0 0, 1 1 *, 1 * 1 and * 1 1.
TEST(RuleCheck, FindsEachKindInOrderOfWeight) {
    const std::vector<Finding> found = checkRules(kRules, 3);
    const std::vector<std::tuple<Finding::Kind, int, std::string>> want = {
        {Finding::BadAngle, 3,
         "Linia 4: nie da się odczytać kąta „x”; krok przy wzorcu 0 1 0 0 0 0 0 0 zakończy się błędem."},
        {Finding::NeverActs, 2,
         "Linia 3 nigdy nie zadziała: ma 1 dla czujnika 4, a robot ma tylko 3 czujniki."},
        {Finding::NeverActs, 4,
         "Linia 5 nigdy nie zadziała: jej pierwsze 16 znaków to nie wzorzec czujników (osiem cyfr 0 lub 1, "
         "każda ze spacją)."},
        {Finding::NeverActs, 9,
         "Linia 10 nigdy nie zadziała: jej wzorzec mają już 4 wcześniejsze reguły (linie 6, 7, 8, 9), a krok "
         "bierze tylko pierwsze 4."},
        {Finding::NoRule, -1, "Wzorzec 0 0 0 0 0 0 0 0: żadna reguła nie pasuje, robot jedzie prosto."},
        {Finding::NoRule, -1,
         "Wzorzec 1 1 * 0 0 0 0 0 (2 układy czujników): żadna reguła nie pasuje, robot jedzie prosto."},
        {Finding::NoRule, -1,
         "Wzorzec 1 * 1 0 0 0 0 0 (2 układy czujników): żadna reguła nie pasuje, robot jedzie prosto."},
        {Finding::NoRule, -1,
         "Wzorzec * 1 1 0 0 0 0 0 (2 układy czujników): żadna reguła nie pasuje, robot jedzie prosto."},
        {Finding::Repeated, 1,
         "Linia 2 powtarza kąt 30 linii 1 przy tym samym wzorcu. To nie błąd, ale ten kąt ma przez to szansę "
         "2/3 "
         "zamiast 1/2, a jazda prosto 1/3 zamiast 1/2."},
    };
    std::vector<std::tuple<Finding::Kind, int, std::string>> got;
    for (const Finding& f : found) got.emplace_back(f.kind, f.line, findingText(f, kRules, 3));
    EXPECT_EQ(got, want);
}

// Three 45s and a 10 of one pattern, three sensors: the third 45 makes 3/5 of 2/4, straight on
// 1/5 of 1/4. A robot without sensors gives only the pattern of all off.
TEST(RuleCheck, RepeatsCountEveryCandidateAndTheSmallestRobotsAreJudgedRight) {
    const std::vector<std::string> rules = {"1 0 0 0 0 0 0 0 45", "1 0 0 0 0 0 0 0 45", "1 0 0 0 0 0 0 0 10",
                                            "1 0 0 0 0 0 0 0 45", "0 0 0 0 0 0 0 0 5"};
    const std::vector<Finding> found = checkRules(rules, 1);
    ASSERT_EQ(found.size(), 2u);
    const Finding& f = found[1];
    EXPECT_EQ(std::tuple(f.line, f.earlier[0], f.with, f.without, f.straightWith, f.straightWithout),
              std::tuple(3, 0, Chance{3, 5}, Chance{1, 2}, Chance{1, 5}, Chance{1, 4}));

    const std::vector<Finding> none = checkRules(rules, 0);
    EXPECT_EQ(none.size(), 4u);  // lines 1 to 4 want sensor 1
    const std::vector<Finding> empty = checkRules({}, 8);
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(
        findingText(empty[0], {}, 8),
        "Wzorzec * * * * * * * * (256 układów czujników): żadna reguła nie pasuje, robot jedzie prosto.");
}

// The inspector's odds are the step's: the same candidates, the same failing line, for every
// pattern; and the verdicts of a fifth match and of going straight on.
TEST(RuleOdds, AgreeWithTheStepsTableAndSayWhatTheNextStepDoes) {
    const std::vector<LineReading> lines = readLines(kRules);
    RuleTable table;
    table.follow(kRules);
    for (int p = 0; p < kPatternCount; ++p) {
        const PatternOdds odds = oddsAt(lines, p);
        if (odds.fault >= 0) {
            EXPECT_THROW(table.candidates(p), std::exception) << p;
            continue;
        }
        const Candidates& c = table.candidates(p);
        ASSERT_EQ(odds.candidates, c.count) << p;
        for (int i = 0; i < c.count; ++i)
            EXPECT_EQ(odds.lines[static_cast<std::size_t>(i)], c.lines[static_cast<std::size_t>(i)]);
    }
    const PatternOdds five = oddsAt(lines, 4);
    EXPECT_EQ(five.lines, (std::vector<int>{5, 6, 7, 8, 9}));
    EXPECT_EQ(matchVerdict(5, lines[5], five), "szansa 1/5 (20 %)");
    EXPECT_EQ(matchVerdict(9, lines[9], five), "nie zadziała: wcześniej pasują już 4 reguły");
    EXPECT_EQ(straightVerdict(oddsAt(lines, 1)), "prosto: szansa 1/3 (33 %)");
    const PatternOdds failing = oddsAt(lines, 2);
    EXPECT_EQ(matchVerdict(3, lines[3], failing), "nie da się odczytać kąta: krok zakończy się błędem");
    EXPECT_EQ(straightVerdict(failing), "prosto: krok zakończy się błędem na linii 4");
}

// Driving straight east along row 20 over the stop at column 40: sensors 15 pixels either side of
// the middle pass it by while the body covers it; sensors 5 pixels out run over it.
TEST(UnseenStops, ATrialRunFindsAStopTheBodyCoversUnseenAndNoExampleHasOne) {
    Workspace ws;
    for (int x = 5; x <= 65; ++x) ws.map.at(x, 20) = kLine;
    ws.map.at(6, 20) = kStart;
    ws.map.at(40, 20) = kStop;
    ws.startHeading = 90;
    ws.rules = {"0 0 0 0 0 0 0 0 0"};
    for (int y = 6; y <= 12; ++y) ws.robot.at(9, y) = ws.robot.at(10, y) = kBody;
    Workspace narrow = ws;
    ws.robot.at(8, 5) = ws.robot.at(11, 5) = kSensor;
    narrow.robot.at(9, 5) = narrow.robot.at(10, 5) = kSensor;
    const std::optional<Finding> unseen = stopPassedInTrial(ws, 7);
    ASSERT_TRUE(unseen);
    EXPECT_EQ(findingText(*unseen, {}, 2),
              "Czujniki robota nie najadą na pole Stop: w próbnym przebiegu (ziarno 7) po 100 krokach robot "
              "przejechał nad polem Stop, a żaden czujnik go nie dotknął. Przesuń czujniki tak, by któryś "
              "najeżdżał na pole Stop.");
    EXPECT_FALSE(stopPassedInTrial(narrow, 7));
    for (const auto& file : std::filesystem::directory_iterator(VEMRIK_EXAMPLES_DIR)) {
        if (file.path().extension() != ".vemrik") continue;
        const ParsedWorkspace read = readWorkspaceFile(file.path().string());
        ASSERT_TRUE(read.workspace) << read.error;
        EXPECT_FALSE(stopPassedInTrial(*read.workspace, 5489)) << file.path();
    }
}
