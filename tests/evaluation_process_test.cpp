// vemrik-eval as a process: nothing that becomes of standard output, and no file size limit, may
// end it before it has saved its files or said why it could not.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/evaluation_tracks.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_json.h"

using namespace vemrik;
namespace fs = std::filesystem;

namespace {

const fs::path kDir = fs::temp_directory_path() / ("vemrik_process_test_" + std::to_string(::getpid()));

std::string path(const std::string& leaf) { return (kDir / leaf).string(); }
std::string text(const std::string& leaf) { return readTextFile(path(leaf)).text.value_or("(none)"); }

/// How the program ended: its exit code, or the signal that ended it, and what it wrote to stderr.
struct Ended {
    int code = -1;
    int signal = 0;
    std::string err;
};

/// Runs vemrik-eval with the words of `line`, each "@x" standing for the test's file x. Standard
/// output is a pipe that nobody reads any more (as after `| head -3`), and writes to files stop at
/// `sizeLimit` bytes.
Ended runClosedOutput(const std::string& line, rlim_t sizeLimit) {
    std::vector<std::string> words{VEMRIK_EVAL};
    std::istringstream in(line);
    for (std::string w; in >> w;) words.push_back(w[0] == '@' ? path(w.substr(1)) : w);
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    const std::string errPath = path("stderr");
    int out[2];
    if (::pipe(out) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        ::dup2(::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
        const struct rlimit limit { sizeLimit, sizeLimit };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::setenv("LC_ALL", "pl_PL.UTF-8", 1);  // the messages checked are the Polish ones
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[0]);
    ::close(out[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, WIFSIGNALED(status) ? WTERMSIG(status) : 0,
            text("stderr")};
}

/// The inputs: the straight track, a student who reaches its stop, a task of it, and a file the
/// runs must leave as it was.
void writeInputs() {
    fs::create_directories(kDir);
    Workspace student = evaltest::straightTrack();
    student.rules = {"0 0 0 0 0 0 0 0 0"};
    std::ofstream(path("straight.vemrik")) << toJson(evaltest::straightTrack());
    std::ofstream(path("student.vemrik")) << toJson(student);
    std::ofstream(path("task.vemrik-task"))
        << R"({"format": "vemrik-task", "version": 1, "tracks": [{"workspace": "straight.vemrik"}],
              "runs": 20, "maxSteps": 100})";
    std::ofstream(path("old.csv")) << "stary";
}

}  // namespace

TEST(EvalProcess, AClosedOutputLosesNothingButTheSummaryAndASizeLimitIsReportedNotFatal) {
    writeInputs();
    const std::string lost = "vemrik-eval: nie można wypisać wyniku na standardowe wyjście\n";
    const std::string tooBig = "”: plik przekroczył dopuszczalny rozmiar\n";
    const struct {
        std::string line;
        rlim_t sizeLimit;
        int code;
        std::string err;
    } cases[] = {
        {"@straight.vemrik --runs 2000 --csv @runs.csv", RLIM_INFINITY, 4, lost},
        {"grade @task.vemrik-task @student.vemrik --csv @grade.csv --html @grade.html", RLIM_INFINITY, 4,
         lost},
        // 2,001 CSV lines of some 30 bytes against a limit of 4 KiB, and a page against 1 KiB.
        {"@straight.vemrik --runs 2000 --csv @old.csv", 4096, 3, tooBig},
        {"grade @task.vemrik-task @student.vemrik --html @old.csv", 1024, 3, tooBig},
    };
    for (const auto& c : cases) {
        const Ended e = runClosedOutput(c.line, c.sizeLimit);
        EXPECT_EQ(std::tuple(e.code, e.signal), std::tuple(c.code, 0)) << c.line;
        EXPECT_NE(e.err.find(c.err), std::string::npos) << c.line << "\n" << e.err;
    }
    const std::string runs = text("runs.csv");
    EXPECT_TRUE(runs.ends_with("\n1999,7488,success,84,105,103,0\n"));  // seed 5489 + 1999
    EXPECT_NE(text("grade.csv").find("\n1,student,"), std::string::npos);
    EXPECT_NE(text("grade.html").find("</html>"), std::string::npos);
    EXPECT_EQ(text("old.csv"), "stary");
    fs::remove_all(kDir);
}
