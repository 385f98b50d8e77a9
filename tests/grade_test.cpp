// Grading a class: task files read strictly, students ranked by their weighted success, reports.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "cli/eval_command.h"
#include "evaluation/evaluation_csv.h"
#include "evaluation/grade/grading.h"
#include "evaluation/grade/printable_text.h"
#include "evaluation/grade/task.h"
#include "platform/texts.h"
#include "tests/evaluation_tracks.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_json.h"

using namespace vemrik;
namespace fs = std::filesystem;

namespace {

const fs::path kDir = fs::temp_directory_path() / ("vemrik_grade_test_" + std::to_string(::getpid()));

std::string path(const std::string& leaf) { return (kDir / leaf).string(); }
void write(const std::string& leaf, const std::string& text) { std::ofstream(path(leaf)) << text; }

/// "prosto": the straight track, its stop ahead of sensor [10][5]. "obok": started 20 cells to the
/// right with the stop to the left of that sensor, under sensor [8][5] only.
Workspace offsetTrack() {
    Workspace ws;
    ws.map.at(30, 35) = kStart;
    for (int x = 27; x <= 29; ++x) ws.map.at(x, 5) = kStop;
    return ws;
}

Workspace student(std::vector<int> sensorColumns, std::string rule, std::string secondRule = "") {
    Workspace ws;
    for (const int x : sensorColumns) ws.robot.at(x, 5) = kSensor;
    ws.rules = {std::move(rule)};
    if (!secondRule.empty()) ws.rules.push_back(std::move(secondRule));
    return ws;
}

std::string task(const std::string& tracks, const std::string& rest = "") {
    return R"({"format": "vemrik-task", "version": 1, "tracks": [)" + tracks + "]" + rest + "}";
}

class Grade : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(kDir / "class");
        write("prosto.vemrik", toJson(evaltest::straightTrack()));
        write("obok.vemrik", toJson(offsetTrack()));
        write("nostart.vemrik", toJson(Workspace{}));
        write("task.vemrik-task", task(R"({"workspace": "prosto.vemrik", "weight": 3},
                                          {"workspace": "obok.vemrik"})",
                                       R"(, "runs": 10, "maxSteps": 300)"));
        // Names sorted against the ranking, so the order can only come from the scores.
        write("class/a-always.vemrik", toJson(student({8, 10}, "0 0 0 0 0 0 0 0 0")));
        write("class/b-half.vemrik", toJson(student({10}, "0 0 0 0 0 0 0 0 0")));
        write("class/c-never.vemrik", toJson(student({0}, "0 0 0 0 0 0 0 0 0")));
        write("0-broken<&>.vemrik", "{ \"format\": ");
    }
    void TearDown() override { fs::remove_all(kDir); }

    int grade(std::vector<std::string> args) {
        args.insert(args.begin(), "grade");
        out_.str({});
        err_.str({});
        return runEvalCommand(args, out_, err_);
    }
    std::ostringstream out_, err_;
};

std::string text(const std::string& p) { return readTextFile(p).text.value_or("?"); }

}  // namespace

// One CSV row per student and track, and one page holding every student with nothing
// to fetch.
TEST_F(Grade, RanksByWeightedSuccessWithTheBrokenFileLastInTheCsvAndThePage) {
    ASSERT_EQ(grade({path("task.vemrik-task"), path("class"), path("0-broken<&>.vemrik"), "--csv",
                     path("r.csv"), "--html", path("r.html")}),
              kEvalOk)
        << err_.str();
    std::istringstream csv(text(path("r.csv")));
    std::vector<std::string> rows;
    for (std::string line; std::getline(csv, line);) rows.push_back(line.substr(0, line.find(",,,,,,,,")));
    const std::string always = path("class/a-always.vemrik"), half = path("class/b-half.vemrik");
    const std::string never = path("class/c-never.vemrik");
    // The always one reaches both stops after 84 steps; the half one only the straight track's,
    // weighing 3 of 4; the never one's sensor passes both stops by and leaves the map.
    const std::vector<std::string> expected = {
        "rank,student,file,score,rule_lines,track,weight,runs,successes,success_rate,success_low,success_"
        "high,"
        "median_steps,lost_rate,timeout_rate,error",
        "1,a-always," + always +
            ",1.000000,1,prosto,3,10,10,1.000000,0.722467,1.000000,84,0.000000,0.000000,",
        "1,a-always," + always + ",1.000000,1,obok,1,10,10,1.000000,0.722467,1.000000,84,0.000000,0.000000,",
        "2,b-half," + half + ",0.750000,1,prosto,3,10,10,1.000000,0.722467,1.000000,84,0.000000,0.000000,",
        "2,b-half," + half + ",0.750000,1,obok,1,10,0,0.000000,0.000000,0.277533,,1.000000,0.000000,",
        "3,c-never," + never + ",0.000000,1,prosto,3,10,0,0.000000,0.000000,0.277533,,1.000000,0.000000,",
        "3,c-never," + never + ",0.000000,1,obok,1,10,0,0.000000,0.000000,0.277533,,1.000000,0.000000,",
        "4,0-broken<&>," + path("0-broken<&>.vemrik") + ",,0,prosto,3",
        "4,0-broken<&>," + path("0-broken<&>.vemrik") + ",,0,obok,1",
    };
    EXPECT_EQ(rows, expected);
    const std::string html = text(path("r.html"));
    EXPECT_NE(html.find("</html>"), std::string::npos);
    for (const char* name :
         {">a-always<", ">b-half<", ">c-never<", ">0-broken&lt;&amp;&gt;<", "plik jest urwany"})
        EXPECT_NE(html.find(name), std::string::npos) << name;
    EXPECT_EQ(html.find("0-broken<"), std::string::npos);
    for (const char* outside : {"<script", "src=", "href=", "url("})
        EXPECT_EQ(html.find(outside), std::string::npos);
    // The task by its name: the folder it was given from may be a temporary one.
    EXPECT_NE(html.find("<h1>Ocena zadania task.vemrik-task</h1>"), std::string::npos);
}

TEST_F(Grade, ABadTaskExitsTwoAndAReportOverAnInputIsRefusedBeforeAnyRun) {
    write("bad.vemrik-task", task(R"({"workspace": "nostart.vemrik"})"));
    EXPECT_EQ(grade({path("bad.vemrik-task"), path("class")}), kEvalBadWorkspace);
    EXPECT_NE(err_.str().find("tor [0] (\"nostart\"): na mapie nie ma pola startu"), std::string::npos)
        << err_.str();
    const std::string before = text(path("class/b-half.vemrik"));
    EXPECT_EQ(grade({path("task.vemrik-task"), path("class"), "--html", path("class/b-half.vemrik")}),
              kEvalCsvNotWritten);
    EXPECT_EQ(text(path("class/b-half.vemrik")), before);
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(grade({path("task.vemrik-task")}), kEvalBadArguments);
    EXPECT_EQ(grade({path("task.vemrik-task"), path("class"), "--csv", path("r"), "--html", path("r")}),
              kEvalBadArguments);
    EXPECT_EQ(grade({path("task.vemrik-task"), path("class"), "--csv-format", "excel"}), kEvalBadArguments);
    EXPECT_NE(err_.str().find("vemrik-eval: nieznany format CSV „excel”: podaj standard albo arkusz\n"),
              std::string::npos)
        << err_.str();
}

// The same robot and rules, in any order and with the angle written either way, are one work;
// another robot is another. Rule 2 never acts, so the copies score as a-always does, and d as
// b-half.
TEST_F(Grade, TheSpreadsheetFormHasARowPerStudentAndEveryReportMarksTheSameWork) {
    const std::string off = "0 0 0 0 0 0 0 0 0", on = "1 1 1 1 1 1 1 1 0";
    fs::create_directories(kDir / "copies");
    write("copies/a.vemrik", toJson(student({8, 10}, off, on)));
    write("copies/b.vemrik", toJson(student({8, 10}, off, on)));
    write("copies/c.vemrik", toJson(student({8, 10}, on + ".0", off)));
    write("copies/d.vemrik", toJson(student({10}, off, on)));
    write("copies/e;pusty.vemrik", toJson(Workspace{}));
    const std::vector<std::string> args = {
        path("task.vemrik-task"), path("copies"), "--csv",  path("r.csv"),
        "--csv-format",           "arkusz",       "--html", path("r.html")};
    ASSERT_EQ(grade(args), kEvalOk) << err_.str();
    const std::string p = path("copies/");
    EXPECT_EQ(text(path("r.csv")),
              "\xEF\xBB\xBFMiejsce;Uczeń;Plik;Wynik;Reguły;prosto (waga 3);obok (waga 1);Błąd;Taki sam jak\n"
              "1;a;" +
                  p +
                  "a.vemrik;100,0%;2;100,0%;100,0%;;b, c\n"
                  "1;b;" +
                  p +
                  "b.vemrik;100,0%;2;100,0%;100,0%;;a, c\n"
                  "1;c;" +
                  p +
                  "c.vemrik;100,0%;2;100,0%;100,0%;;a, b\n"
                  "4;d;" +
                  p +
                  "d.vemrik;75,0%;2;100,0%;0,0%;;\n"
                  "5;\"e;pusty\";\"" +
                  p + "e;pusty.vemrik\";;0;;;brak reguł;\n");
    EXPECT_NE(out_.str().find("1.       100,0 %  2       a\n         taki sam jak: b, c\n         prosto"),
              std::string::npos)
        << out_.str();
    EXPECT_NE(out_.str().find("2       d\n         prosto"), std::string::npos) << out_.str();
    EXPECT_NE(text(path("r.html")).find(">c<br><small class=\"copy\">taki sam jak: a, b</small></td>"),
              std::string::npos);
    // In English a spreadsheet reads decimal points and commas between fields.
    speakCore(Language::English);
    EXPECT_EQ(grade(args), kEvalOk) << err_.str();
    speakCore(Language::Polish);
    EXPECT_NE(
        text(path("r.csv")).find("Error,Same as\n1,a," + p + "a.vemrik,100.0%,2,100.0%,100.0%,,\"b, c\"\n"),
        std::string::npos)
        << text(path("r.csv"));
}

TEST(EvaluationCsv, TheSpreadsheetFormNamesColumnsAndOutcomesWithDecimalCommas) {
    const Evaluation e{{{1, 5490, {Outcome::Lost, 12, 1.5f, -2.25f, 90.0f, false}},
                        {2, 5491, {Outcome::Timeout, 300, 0.1f, 3.0f, 0.0f, false}}},
                       2,
                       false};
    EXPECT_EQ(csvText(e, CsvForm::Sheet),
              "\xEF\xBB\xBFprzebieg;ziarno;wynik;kroki;x;y;kierunek\n"
              "1;5490;zgubiony;12;1,5;-2,25;90\n"
              "2;5491;limit kroków;300;0,1;3;0\n");
    const std::string sweep = sweepCsvText({{0.25, {}, e, {}}}, CsvForm::Sheet);
    EXPECT_TRUE(sweep.starts_with("\xEF\xBB\xBFpoziom zakłóceń;przebieg;")) << sweep;
    EXPECT_TRUE(sweep.ends_with("\n0,25;2;5491;limit kroków;300;0,1;3;0\n")) << sweep;
}

TEST_F(Grade, ReadsEveryFieldWithItsDefaultsAndRefusesBadDocumentsSayingWhere) {
    const ParsedTask full =
        parseTask(task(R"({"workspace": "prosto.vemrik", "weight": 0.5, "name": "tor A"})",
                       R"(, "robot": "obok.vemrik", "runs": 7, "maxSteps": 9, "seed": 4294967295,
                                              "noise": {"flip": 1, "shift": 2.5, "turn": 0})"),
                  kDir.string());
    ASSERT_TRUE(full.task) << full.error;
    EXPECT_EQ(std::tuple(full.task->tracks[0].name, full.task->tracks[0].weight, full.task->runs,
                         full.task->maxSteps, full.task->seed, full.task->noise.flip, full.task->noise.shift),
              std::tuple("tor A", 0.5, 7, 9, 4294967295u, 1.0, 2.5));
    const ParsedTask minusZero = parseTask(task(R"({"workspace": "prosto.vemrik", "name": "C:\\u0000"})",
                                                R"(, "noise": {"flip": -0.0, "turn": 1})"),
                                           kDir.string());
    ASSERT_TRUE(minusZero.task) << minusZero.error;
    EXPECT_FALSE(std::signbit(minusZero.task->noise.flip));  // shown as 0,0 %, never -0,0 %
    EXPECT_EQ(minusZero.task->tracks[0].name, "C:\\u0000");  // a backslash, no NUL
    EXPECT_EQ(full.task->robot, offsetTrack().robot);
    const ParsedTask plain = parseTask(task(R"({"workspace": "prosto.vemrik"})"), kDir.string());
    ASSERT_TRUE(plain.task) << plain.error;
    EXPECT_EQ(std::tuple(plain.task->tracks[0].name, plain.task->tracks[0].weight, plain.task->runs,
                         plain.task->maxSteps, plain.task->seed, plain.task->noise.any(),
                         plain.task->robot.has_value()),
              std::tuple("prosto", 1.0, 200, 5000, 5489u, false, false));

    const std::string track = R"({"workspace": "prosto.vemrik"})";
    // The JSON reader's own refusals are the workspace format's: one shows they come through.
    const struct {
        std::string text;
        const char* error;
    } bad[] = {
        {"{\"format\": \"vemrik-task\",\n \"version\": 1,",
         "urwany: JSON kończy się przed czasem w wierszu 2"},
        {R"({"format": "vemrik-workspace", "version": 1})", "to nie jest plik zadania Vemrik"},
        {R"({"format": "vemrik-task", "version": 2, "tracks": []})", "wersja formatu 2 nie jest obsługiwana"},
        {task(""), "tory (\"tracks\"): oczekiwano listy od 1"},
        {task(track, R"(, "run": 5)"), "nieznane pole \"run\""},
        {task(R"({"workspace": "prosto.vemrik", "wieght": 2})"), "tor [0]: nieznane pole \"wieght\""},
        {task(R"({"weight": 2})"), "brak pola tor [0], plik toru"},
        {task(track + R"(, {"workspace": ""})"), "tor [1], plik toru (\"workspace\"): oczekiwano niepustego"},
        {task(R"({"workspace": "missing.vemrik"})"), "tor [0], plik „"},
        {task(track + R"(, {"workspace": "nostart.vemrik"})"),
         "tor [1] (\"nostart\"): na mapie nie ma pola startu"},
        {task(R"({"workspace": "prosto.vemrik", "weight": 0})"),
         "waga (\"weight\"): 0; potrzeba liczby większej"},
        {task(track, R"(, "runs": 0)"), "liczba przebiegów (\"runs\"): 0; potrzeba liczby całkowitej od 1"},
        {task(track, R"(, "maxSteps": 100000001)"), "limit kroków (\"maxSteps\"): 100000001"},
        {task(track, R"(, "seed": 4294967296)"), "ziarno (\"seed\"): 4294967296"},
        {task(track, R"(, "noise": {"flip": 1.5})"),
         "szum, odwrócenie odczytu (\"flip\"): 1.5; potrzeba liczby od 0 do 1"},
        {task(track, R"(, "noise": {"shift": -1})"), "szum, przesunięcie startu (\"shift\"): -1"},
        {task(track, R"(, "noise": {"turn": 361})"), "szum, obrót startu (\"turn\"): 361"},
        {task(track, R"(, "noise": {"flipp": 0})"), "szum (\"noise\"): nieznane pole \"flipp\""},
        {task(track, R"(, "challenge": {"success": 1})"), "brak pola wyzwanie, cel (\"goal\")"},
        {task(track, R"(, "challenge": {"goal": {"pl": "a", "en": "b"}, "success": 0, "stepsForTwoStars": 1,
                                        "rulesForThreeStars": 0})"),
         "wyzwanie, odsetek dojazdów (\"success\"): 0; potrzeba liczby większej od 0"},
        // The common slips get a hint after the place, found from the text around it.
        {task(R"({"workspace": "prosto.vemrik", "weight": 1,5})"),
         "kolumnie 95; liczby piszemy z kropką: 1.5, nie 1,5"},
        {task(track + ",\n"), "wierszu 2, kolumnie 1; usuń przecinek przed ]"},
        {task(R"({"workspace": prosto.vemrik})"), "; brakuje cudzysłowu: napisy i nazwy pól piszemy w"},
        {"{\"format\": \"vemrik-task,\n\"version\": 1}", "; brakuje cudzysłowu zamykającego napis"},
        {task(track + R"(, "runs": 5)"), "; brakuje nawiasu ]"},
        {"{\"format\": \"vemrik-task\"", "przed czasem w wierszu 1, kolumnie 25; brakuje nawiasu }"},
        {task(R"({"workspace": "tory\prosto.vemrik"})"), "; w ścieżkach używaj /"},
        {task(R"({"workspace": "prosto.vemrik" "weight": 2})"), "; brakuje przecinka"},
    };
    for (const auto& b : bad) {
        const ParsedTask p = parseTask(b.text, kDir.string());
        EXPECT_FALSE(p.task) << b.text;
        EXPECT_NE(p.error.find(b.error), std::string::npos) << b.text << "\n→ " << p.error;
    }
}

// What the page places before reading a task: the robot's and tracks' paths as written, nothing
// from a text that is no object, and no entry where a path is not a text.
TEST(TaskNamedPaths, ListsTheRobotThenEachTracksFileAsWritten) {
    EXPECT_EQ(namedPaths(R"({"robot": "r/bot.vemrik", "tracks": [{"workspace": "a.vemrik"}, 3,
                            {"workspace": 4}, {"workspace": "../b.vemrik", "weight": 2}]})"),
              (std::vector<std::string>{"r/bot.vemrik", "a.vemrik", "../b.vemrik"}));
    EXPECT_EQ(namedPaths(R"(["robot"])"), std::vector<std::string>{});
    EXPECT_EQ(namedPaths("{\"tracks\": "), std::vector<std::string>{});
}

TEST(WeightedScore, OnlyTheRatiosOfTheWeightsCountDownToTheSmallestDouble) {
    constexpr double kTiny = std::numeric_limits<double>::denorm_min();  // 4.94e-324
    const auto score = [](std::vector<double> weights, std::vector<double> rates) {
        Task task;
        std::vector<Summary> tracks;
        for (std::size_t i = 0; i < weights.size(); ++i) {
            task.tracks.push_back({"t", "t", nullptr, weights[i]});
            tracks.emplace_back().success.value = rates[i];
        }
        return weightedScore(task, tracks);
    };
    const struct {
        std::vector<double> weights, rates;
        double expected;
    } cases[] = {
        {{1, 2}, {1.0, 0.5}, 2.0 / 3},          // the example of the task format
        {{kTiny, 3 * kTiny}, {0.2, 0.6}, 0.5},  // (0.2 + 3 · 0.6) / 4
    };
    for (const auto& c : cases) EXPECT_NEAR(score(c.weights, c.rates), c.expected, 1e-15) << c.weights[0];
}

// Standard competition ranking on the exact scores, never on their rounding for people; -1 is a
// file that could not be run. The reports show these places: see the odd folder's.
TEST(GradePlaces, EqualScoresShareAPlace) {
    const struct {
        const char* what;
        std::vector<double> scores;
        std::vector<int> places;
    } cases[] = {
        {"a copy beside its original", {1.0, 0.75, 0.75, 0.0, -1}, {1, 2, 2, 4, 5}},
        {"a last bit apart", {0.75, std::nextafter(0.75, 0.0)}, {1, 2}},
    };
    for (const auto& c : cases) {
        std::vector<StudentResult> ranked;
        for (const double score : c.scores)
            ranked.push_back(
                {"s" + std::to_string(ranked.size()), "", score < 0 ? "x" : "", 1, score, {}, {}});
        rankResults(ranked);
        EXPECT_EQ(places(ranked), c.places) << c.what;
    }
}

TEST_F(Grade, EverythingInAFolderNamedVemrikGetsARowNothingIsWaitedOnAndNoNameObeyed) {
    fs::create_directories(kDir / "odd");
    const std::string name = "\x1b]0;tytuł\x07zły\n";
    write("odd/" + name + ".vemrik", toJson(student({8, 10}, "0 0 0 0 0 0 0 0 0")));
    ASSERT_EQ(::mkfifo(path("odd/rura.vemrik").c_str(), 0600), 0);  // opened, it would wait for a writer
    fs::create_symlink("nie-ma", path("odd/wiszacy.vemrik"));
    fs::create_symlink("petla.vemrik", path("odd/petla.vemrik"));
    fs::create_directory(path("odd/folder.vemrik"));
    write("odd/notatki.txt", "?");
    ASSERT_EQ(
        grade({path("task.vemrik-task"), path("odd"), "--csv", path("r.csv"), "--html", path("r.html")}),
        kEvalOk)
        << err_.str();
    const std::string table = out_.str();
    // The unreadable ones last, by name, all in one place; "—" takes one column of the score's nine.
    for (const char* row :
         {"2.       —        0       folder\n         błąd: to jest katalog, a nie plik\n",
          "2.       —        0       petla\n         błąd: dowiązania symboliczne tworzą pętlę\n",
          "2.       —        0       rura\n         błąd: to nie jest zwykły plik\n",
          "2.       —        0       wiszacy\n         błąd: plik lub katalog nie istnieje\n"})
        EXPECT_NE(table.find(row), std::string::npos) << row << "\n" << table;
    EXPECT_EQ(table.find("notatki"), std::string::npos);
    // Controls in a name are shown, never obeyed; other programs get it as it is, quoted for the break.
    const std::string shown = "\\x1b]0;tytuł\\x07zły\\n";
    EXPECT_NE(table.find("1.       100,0 %  1       " + shown + "\n"), std::string::npos) << table;
    EXPECT_NE(text(path("r.html")).find(">" + shown + "<"), std::string::npos);
    for (const std::string& page : {table, text(path("r.html"))})
        EXPECT_EQ(page.find_first_of("\x1b\x07"), std::string::npos);
    EXPECT_NE(text(path("r.csv")).find(",\"" + name + "\","), std::string::npos);
    for (const char* cell : {"<td class=\"number\">2.</td><td title=\"", "<h3>2. folder — "})
        EXPECT_NE(text(path("r.html")).find(cell), std::string::npos) << cell;
}

TEST(PrintableText, ControlsAndBrokenUtf8AreShownAsEscapesAndEverythingElseAsItIs) {
    const std::pair<std::string, std::string> cases[] = {
        {"zażółć gęślą jaźń €😀", "zażółć gęślą jaźń €😀"},
        {"\x1b[2J\x07\x7f", "\\x1b[2J\\x07\\x7f"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"\xc2\x9b"
         "31m",
         "\\u009b31m"},                       // a C1 control: CSI in one character
        {"\xc2\xa0", "\xc2\xa0"},             // a no-break space is text
        {"\xff\xc3", "\\xff\\xc3"},           // no UTF-8, and a sequence cut short
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},  // a surrogate
        {"\xc0\xaf", "\\xc0\\xaf"},           // "/" in a longer form than it needs
        {"\xe0\xa0\x80", "\xe0\xa0\x80"},     // the first character of three bytes
    };
    for (const auto& [in, shown] : cases) EXPECT_EQ(printableText(in), shown) << shown;
}
