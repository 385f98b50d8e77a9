#include "workspace/workspace_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/workspace_test_files.h"

using namespace vemrik;
namespace fs = std::filesystem;

namespace {

class WorkspaceFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vemrik-file-test-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& leaf) const { return (dir_ / leaf).string(); }
    static std::string contents(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void write(const std::string& p, const std::string& text) {
        std::ofstream(p, std::ios::binary) << text;
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
};

}  // namespace

TEST_F(WorkspaceFile, SaveWritesTheTextAndReplacesAnOldFileKeepingItsPermissionsAndOwner) {
    const std::string p = path("tor.vemrik");
    ASSERT_EQ(saveAtomically(p, "pierwszy"), std::nullopt);
    EXPECT_EQ(contents(p), "pierwszy");
    ::chmod(p.c_str(), 0604);
    const bool given = ::chown(p.c_str(), 4321, 4321) == 0;  // only root may give a file away
    ASSERT_EQ(saveAtomically(p, "drugi"), std::nullopt);
    EXPECT_EQ(contents(p), "drugi");
    struct stat st {};
    ASSERT_EQ(::stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
    if (given) {
        EXPECT_EQ(st.st_uid, 4321u);
    }
    EXPECT_EQ(entries(), std::vector<std::string>{"tor.vemrik"});  // no temporary file left
}

TEST_F(WorkspaceFile, AWriteThatFailsMidwayLeavesTheOldFileAndNoTemporary) {
    const std::string p = path("tor.vemrik");
    write(p, "stara zawartość");
    // A file size limit makes the write fail part way, as a full disk would.
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto error = saveAtomically(p, std::string(100000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "plik przekroczył dopuszczalny rozmiar");
    EXPECT_EQ(contents(p), "stara zawartość");
    EXPECT_EQ(entries(), std::vector<std::string>{"tor.vemrik"});
}

TEST_F(WorkspaceFile, AKilledSaveLeavesTheOldFileAndNoTemporary) {
    const std::string p = path("tor.vemrik");
    write(p, "stara zawartość");
    // The size limit's signal kills the program in the middle of writing.
    const auto killedWhileSaving = [&p] {
        const struct rlimit small { 4096, 4096 }, noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &small);
        std::signal(SIGXFSZ, SIG_DFL);
        (void)saveAtomically(p, std::string(100000, 'x'));
        std::_Exit(0);
    };
    EXPECT_EXIT(killedWhileSaving(), ::testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(contents(p), "stara zawartość");
    EXPECT_EQ(entries(), std::vector<std::string>{"tor.vemrik"});
}

TEST_F(WorkspaceFile, SaveRefusesAnythingButAWritableRegularFileOrANewOneAndChangesNothing) {
    fs::create_directory(path("katalog"));
    ASSERT_EQ(::mkfifo(path("rura").c_str(), 0600), 0);
    write(path("zamkniety"), "stary");
    ::chmod(path("zamkniety").c_str(), 0444);
    fs::create_symlink("rura", path("do-rury"));
    fs::create_symlink("nie-ma", path("wiszacy"));
    fs::create_symlink("petla", path("petla"));
    const std::vector<std::string> before = entries();
    const std::pair<const char*, const char*> cases[] = {
        {"brak/tor.vemrik", "plik lub katalog nie istnieje"},
        {"katalog", "to jest katalog, a nie plik"},
        {"rura", "to jest potok nazwany (FIFO), a nie zwykły plik"},
        {"do-rury", "to jest potok nazwany (FIFO), a nie zwykły plik"},
        {"zamkniety", "plik jest tylko do odczytu"},
        {"wiszacy", "dowiązanie symboliczne wskazuje na plik, którego nie ma"},
        {"petla", "dowiązania symboliczne tworzą pętlę"},
    };
    for (const auto& [leaf, error] : cases) {
        EXPECT_EQ(saveAtomically(path(leaf), "nowy"), error) << leaf;
        EXPECT_EQ(saveRefusal(path(leaf)), error) << leaf;
    }
    EXPECT_EQ(entries(), before);
    EXPECT_TRUE(fs::is_fifo(path("rura")));
    EXPECT_EQ(contents(path("zamkniety")), "stary");
    EXPECT_TRUE(fs::is_empty(path("katalog")));
}

TEST_F(WorkspaceFile, SaveThroughALinkReplacesTheFileItPointsTo) {
    write(path("prawdziwy.vemrik"), "stary");
    fs::create_symlink("prawdziwy.vemrik", path("link.vemrik"));
    ASSERT_EQ(saveAtomically(path("link.vemrik"), "nowy"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(path("link.vemrik")));
    EXPECT_EQ(contents(path("prawdziwy.vemrik")), "nowy");
}

TEST_F(WorkspaceFile, AWorkspaceSavedToDiskOpensTheSame) {
    const std::string p = path("tor.vemrik");
    FileParts parts;
    parts.map[20][35] = '5';
    ASSERT_EQ(saveAtomically(p, parts.text()), std::nullopt);
    const ParsedWorkspace read = readWorkspaceFile(p);
    ASSERT_TRUE(read.workspace.has_value()) << read.error;
    EXPECT_EQ(read.workspace->map.at(35, 20), 5);
    EXPECT_EQ(read.workspace->ruleAngle, 30);
}

TEST_F(WorkspaceFile, FilesThatCannotBeReadSayWhy) {
    EXPECT_EQ(readWorkspaceFile(path("nie-ma.vemrik")).error, "plik lub katalog nie istnieje");
    EXPECT_EQ(readWorkspaceFile(dir_.string()).error, "to jest katalog, a nie plik");
    write(path("pusty.vemrik"), "");
    EXPECT_EQ(readWorkspaceFile(path("pusty.vemrik")).error, "plik jest pusty");
    write(path("plik"), "x");
    EXPECT_EQ(readWorkspaceFile(path("plik/tor.vemrik")).error, "część ścieżki nie jest katalogiem");
    // Opens, but every read fails: address 0 of the process is never mapped.
    EXPECT_EQ(readWorkspaceFile("/proc/self/mem").error.rfind("błąd odczytu", 0), 0u);
}

TEST_F(WorkspaceFile, APipeIsRefusedWithoutWaitingForAWriter) {
    ASSERT_EQ(::mkfifo(path("rura").c_str(), 0600), 0);
    EXPECT_EQ(readWorkspaceFile(path("rura")).error, "to nie jest zwykły plik");
}

TEST_F(WorkspaceFile, AFileOverTheLimitIsNotRead) {
    write(path("duzy"), std::string(3 << 20, ' '));
    EXPECT_EQ(readTextFile(path("duzy"), 2 << 20).error, "plik jest za duży (ponad 2 MiB)");
    EXPECT_TRUE(readTextFile(path("duzy"), 3 << 20).text.has_value());
}
