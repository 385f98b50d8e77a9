#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "evaluation/cli/eval_command.h"
#include "tests/evaluation_tracks.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_json.h"

using namespace vemrik;
namespace fs = std::filesystem;

namespace {

const fs::path kDir = fs::temp_directory_path() / ("vemrik_eval_test_" + std::to_string(::getpid()));

std::string path(const char* leaf) { return (kDir / leaf).string(); }
std::string contents(const std::string& p) { return readTextFile(p).text.value_or("?"); }

class EvalCommand : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(kDir);
        std::ofstream(path("straight.vemrik")) << toJson(evaltest::straightTrack());
    }
    void TearDown() override { fs::remove_all(kDir); }
    /// Runs the command on the words of `line`, "WS" standing for the straight track's file.
    int run(const std::string& line) {
        std::vector<std::string> args;
        std::istringstream words(line);
        for (std::string w; words >> w;) args.push_back(w == "WS" ? path("straight.vemrik") : w);
        out_.str({});
        err_.str({});
        return runEvalCommand(args, out_, err_);
    }

    std::ostringstream out_, err_;
};

}  // namespace

TEST_F(EvalCommand, PrintsTheSummaryAndOneCsvRowPerRun) {
    ASSERT_EQ(run("WS --runs 20 --max-steps 1000 --seed 7 --csv " + path("runs.csv")), kEvalOk) << err_.str();
    // 20 of 20 runs: the lower bound of the 95 % interval is n / (n + z^2) = 20 / 23.84.
    for (const char* line : {"Limit kroków 1000, ziarna 7 … 26\nPrzebiegi: 20\n",
                             "Dojazd do stopu: 20 (100,0 %), przedział ufności 95 %: 83,9 % – 100,0 %\n",
                             "Kroki do stopu: mediana 84, 90. percentyl 84\nPoza mapą: 0 (0,0 %)\n"})
        EXPECT_NE(out_.str().find(line), std::string::npos) << out_.str();
    EXPECT_EQ(err_.str(), "");
    const std::string rows = contents(path("runs.csv"));  // y = 355 - 3 * 84
    EXPECT_EQ(rows.rfind("run,seed,outcome,steps,x,y,heading\n0,7,success,84,105,103,0\n1,8,", 0), 0u)
        << rows;
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 21);
}

TEST_F(EvalCommand, BadArgumentsExitOneAndABadWorkspaceTwoNamingTheFault) {
    for (const char* bad : {"", "WS --runs", "WS --runs 0", "WS --runs 12x", "WS --max-steps -5",
                            "WS --seed 4294967296", "WS --fast", "WS WS"}) {
        EXPECT_EQ(run(bad), kEvalBadArguments) << bad;
        EXPECT_NE(err_.str().find("Użycie: vemrik-eval"), std::string::npos);
    }
    EXPECT_EQ(run("WS --seed 4294967295 --runs 2 --max-steps 1"), kEvalOk);
    EXPECT_NE(out_.str().find("ziarna 4294967295 … 0"), std::string::npos) << out_.str();

    Workspace noStart = evaltest::straightTrack();
    noStart.map.at(10, 35) = kMapEmpty;
    std::ofstream(path("bez-startu")) << toJson(noStart);
    for (const auto& [file, error] : {std::pair(path("brak"), "plik lub katalog nie istnieje"),
                                      std::pair(path("bez-startu"), "na mapie nie ma pola startu")}) {
        EXPECT_EQ(run(file), kEvalBadWorkspace);
        EXPECT_EQ(err_.str(), "Błąd w pliku „" + file + "”: " + error + "\n");
        EXPECT_EQ(out_.str(), "");
    }
}

TEST_F(EvalCommand, ACsvThatCannotBeWrittenIsRefusedBeforeAnyRunAndLeftAsItWas) {
    ASSERT_EQ(::mkfifo(path("rura.csv").c_str(), 0600), 0);
    fs::create_hard_link(path("straight.vemrik"), path("twardy.csv"));
    const std::string before = contents(path("straight.vemrik"));
    for (const std::string& csv :
         {path("no/runs.csv"), path("rura.csv"), path("straight.vemrik"), path("twardy.csv")}) {
        EXPECT_EQ(run("WS --runs 2 --csv " + csv), kEvalCsvNotWritten) << csv;
        EXPECT_EQ(err_.str().rfind("Nie można zapisać pliku „" + csv + "”: ", 0), 0u) << err_.str();
        EXPECT_EQ(out_.str(), "");  // no summary: refused before the runs
    }
    EXPECT_TRUE(fs::is_fifo(path("rura.csv")));
    EXPECT_EQ(contents(path("straight.vemrik")), before);
}

TEST_F(EvalCommand, ASummaryThatCannotBeWrittenExitsFourButTheCsvIsStillSaved) {
    std::ostream lost(nullptr);  // fails as stdout on a full disk or a closed pipe does
    EXPECT_EQ(runEvalCommand({path("straight.vemrik"), "--runs", "2", "--csv", path("runs.csv")}, lost, err_),
              kEvalOutputLost);
    EXPECT_TRUE(fs::exists(path("runs.csv")));
}
