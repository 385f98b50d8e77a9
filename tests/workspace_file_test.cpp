#include "workspace/workspace_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "workspace/size_limit_signal.h"

using namespace vemrik;
namespace fs = std::filesystem;

namespace {

class WorkspaceFile : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& leaf) const { return (dir_ / leaf).string(); }
    std::string contents(const std::string& leaf) const {
        return readTextFile(path(leaf)).text.value_or("?");
    }
    long entries() const { return std::distance(fs::directory_iterator(dir_), fs::directory_iterator{}); }

    const fs::path dir_ = fs::temp_directory_path() / ("vemrik-file-test-" + std::to_string(::getpid()));
};

/// In a child process: saves 100000 bytes under a file size limit of 4096, as a full disk would stop
/// it, as the programs do (the limit reported) or not (killed midway by the limit's signal); exits
/// 0 on the right error.
[[noreturn]] void saveTooBig(const std::string& p, bool asThePrograms) {
    const struct rlimit small { 4096, 4096 }, noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    ::setrlimit(RLIMIT_FSIZE, &small);
    std::signal(SIGXFSZ, SIG_DFL);
    if (asThePrograms) reportFileSizeLimitAsError();
    std::_Exit(saveAtomically(p, std::string(100000, 'x')) != "plik przekroczył dopuszczalny rozmiar");
}

}  // namespace

TEST_F(WorkspaceFile, SaveReplacesTheFileALinkPointsToKeepingItsModeAndNoTemporary) {
    ASSERT_EQ(saveAtomically(path("tor"), "pierwszy"), std::nullopt);
    ::chmod(path("tor").c_str(), 0604);
    fs::create_symlink("tor", path("link"));
    ASSERT_EQ(saveAtomically(path("link"), "drugi"), std::nullopt);
    EXPECT_EQ(std::tuple(fs::is_symlink(path("link")), contents("tor"), fs::status(path("tor")).permissions(),
                         entries()),
              std::tuple(true, "drugi", fs::perms(0604), 2));
}

TEST_F(WorkspaceFile, ASaveOverTheSizeLimitSaysSoAndOneKilledMidwayLeavesTheOldFileAndNoTemporary) {
    ASSERT_EQ(saveAtomically(path("tor"), "stara"), std::nullopt);
    EXPECT_EXIT(saveTooBig(path("tor"), true), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(saveTooBig(path("tor"), false), ::testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(std::tuple(contents("tor"), entries()), std::tuple("stara", 1));
}

TEST_F(WorkspaceFile, SaveRefusesAnythingButAWritableRegularFileOrANewOneAndChangesNothing) {
    fs::create_directory(path("katalog"));
    ASSERT_EQ(::mkfifo(path("rura").c_str(), 0600), 0);
    ASSERT_EQ(saveAtomically(path("zamkniety"), "stary"), std::nullopt);
    ::chmod(path("zamkniety").c_str(), 0444);
    fs::create_symlink("rura", path("do-rury"));
    fs::create_symlink("nie-ma", path("wiszacy"));
    fs::create_symlink("petla", path("petla"));
    const std::pair<const char*, const char*> cases[] = {
        {"katalog", "to jest katalog, a nie plik"},
        {"do-rury", "to jest potok nazwany (FIFO), a nie zwykły plik"},  // the link's target decides
        {"zamkniety", "plik jest tylko do odczytu"},
        {"wiszacy", "dowiązanie symboliczne wskazuje na plik, którego nie ma"},
        {"petla", "dowiązania symboliczne tworzą pętlę"},
    };
    for (const auto& [leaf, error] : cases) {
        EXPECT_EQ(saveAtomically(path(leaf), "nowy"), error) << leaf;
        EXPECT_EQ(saveRefusal(path(leaf)), error) << leaf;
    }
    EXPECT_EQ(entries(), 6);
    EXPECT_TRUE(fs::is_fifo(path("rura")) && fs::is_empty(path("katalog")));
    EXPECT_EQ(contents("zamkniety"), "stary");
    EXPECT_EQ(saveRefusal(path("nowy")), std::nullopt);
}

TEST_F(WorkspaceFile, APipeOrAFileOverTheLimitIsNotRead) {
    ASSERT_EQ(::mkfifo(path("rura").c_str(), 0600), 0);
    EXPECT_EQ(readWorkspaceFile(path("rura")).error,
              "to nie jest zwykły plik");  // without waiting for a writer
    std::ofstream(path("duzy")) << std::string(3 << 20, ' ');
    EXPECT_EQ(readTextFile(path("duzy"), 2 << 20).error, "plik jest za duży (ponad 2 MiB)");
    EXPECT_EQ(readTextFile(path("duzy"), 3 << 20).text->size(), 3u << 20);
}
