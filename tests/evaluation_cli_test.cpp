#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "evaluation/cli/eval_command.h"
#include "tests/evaluation_tracks.h"
#include "workspace/workspace_json.h"

using namespace vemrik;

namespace {

/// A folder of its own for each test, removed afterwards.
class EvalCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("vemrik_eval_test_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string write(const std::string& name, const std::string& text) {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    int run(const std::vector<std::string>& args) {
        out_.str({});
        err_.str({});
        return runEvalCommand(args, out_, err_);
    }

    std::filesystem::path dir_;
    std::ostringstream out_, err_;
};

}  // namespace

TEST_F(EvalCommand, PrintsTheSummaryAndOneCsvRowPerRun) {
    const std::string ws = write("straight.vemrik", toJson(evaltest::straightTrack()));
    const std::string csv = (dir_ / "runs.csv").string();
    ASSERT_EQ(run({ws, "--runs", "20", "--max-steps", "1000", "--seed", "7", "--csv", csv}), kEvalOk)
        << err_.str();
    const std::string text = out_.str();
    EXPECT_NE(text.find("Limit kroków 1000, ziarna 7 … 26"), std::string::npos) << text;
    EXPECT_NE(text.find("Przebiegi: 20\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Dojazd do stopu: 20 (100,0 %)"), std::string::npos) << text;
    EXPECT_NE(text.find("Kroki do stopu: mediana 84, 90. percentyl 84"), std::string::npos) << text;
    EXPECT_TRUE(err_.str().empty());

    std::ifstream in(csv);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "run,seed,outcome,steps,x,y,heading");
    std::getline(in, line);
    EXPECT_EQ(line, "0,7,success,84,105,103,0");  // y = 355 - 3 * 84
    int rows = 1;
    while (std::getline(in, line)) ++rows;
    EXPECT_EQ(rows, 20);
}

TEST_F(EvalCommand, ABadWorkspaceFileExitsTwoNamingTheFileAndTheFault) {
    const std::string broken = write("broken.vemrik", "{ \"format\": \"vemrik-workspace\", ");
    EXPECT_EQ(run({broken}), kEvalBadWorkspace);
    EXPECT_EQ(err_.str().rfind("Błąd w pliku „" + broken + "”: ", 0), 0u) << err_.str();
    EXPECT_GT(err_.str().size(), ("Błąd w pliku „" + broken + "”: \n").size());
    EXPECT_TRUE(out_.str().empty());

    EXPECT_EQ(run({(dir_ / "missing.vemrik").string()}), kEvalBadWorkspace);
    EXPECT_NE(err_.str().find("nie istnieje"), std::string::npos) << err_.str();

    Workspace noStart = evaltest::straightTrack();
    noStart.map.at(10, 35) = kMapEmpty;
    EXPECT_EQ(run({write("nostart.vemrik", toJson(noStart))}), kEvalBadWorkspace);
    EXPECT_NE(err_.str().find("na mapie nie ma pola startu"), std::string::npos) << err_.str();
}

TEST_F(EvalCommand, BadArgumentsExitOneWithTheUsage) {
    const std::string ws = write("straight.vemrik", toJson(evaltest::straightTrack()));
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {ws, "--runs"},
                                               {ws, "--runs", "0"},
                                               {ws, "--runs", "12x"},
                                               {ws, "--max-steps", "-5"},
                                               {ws, "--seed", "4294967296"},
                                               {ws, "--fast"},
                                               {ws, ws}}) {
        EXPECT_EQ(run(args), kEvalBadArguments) << ::testing::PrintToString(args);
        EXPECT_NE(err_.str().find("Użycie: vemrik-eval"), std::string::npos);
    }
    EXPECT_EQ(run({ws, "--seed", "4294967295", "--runs", "2"}), kEvalOk);
    EXPECT_NE(out_.str().find("ziarna 4294967295 … 0"), std::string::npos) << out_.str();
}

TEST_F(EvalCommand, ACsvThatCannotBeWrittenIsRefusedBeforeAnyRunAndLeftAsItWas) {
    const std::string ws = write("straight.vemrik", toJson(evaltest::straightTrack()));
    const std::string before = toJson(evaltest::straightTrack());
    const std::string pipe = (dir_ / "rura.csv").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string locked = write("zamkniety.csv", "stary");
    ::chmod(locked.c_str(), 0444);
    const std::string hardLink = (dir_ / "twardy.csv").string();
    std::filesystem::create_hard_link(ws, hardLink);
    for (const std::string& csv :
         {(dir_ / "no" / "such" / "runs.csv").string(), pipe, locked, ws, hardLink}) {
        EXPECT_EQ(run({ws, "--runs", "2", "--csv", csv}), kEvalCsvNotWritten) << csv;
        EXPECT_EQ(err_.str().rfind("Nie można zapisać pliku „" + csv + "”: ", 0), 0u) << err_.str();
        EXPECT_TRUE(out_.str().empty());  // no summary: refused before the runs
    }
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    EXPECT_EQ(read(locked), "stary");
    EXPECT_EQ(read(ws), before);
}

TEST_F(EvalCommand, ASummaryThatCannotBeWrittenIsAnErrorButTheCsvIsStillSaved) {
    // Takes the whole summary, then fails to pass it on, as stdout on a full disk does.
    struct FullDisk : std::streambuf {
        char buffer[4096];
        FullDisk() { setp(buffer, buffer + sizeof buffer); }
        int sync() override { return -1; }
    } full;
    std::ostream lost(&full);
    const std::string ws = write("straight.vemrik", toJson(evaltest::straightTrack()));
    const std::string csv = (dir_ / "runs.csv").string();
    EXPECT_EQ(runEvalCommand({ws, "--runs", "2", "--csv", csv}, lost, err_), kEvalOutputLost);
    EXPECT_TRUE(std::filesystem::exists(csv));
}
