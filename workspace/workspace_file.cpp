#include "workspace/workspace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace vemrik {

namespace {

/// What went wrong in a system call, in words for the user.
std::string systemError(int err) {
    switch (err) {
        case ENOENT:
            return "plik lub katalog nie istnieje";
        case EACCES:
        case EPERM:
            return "brak uprawnień";
        case EISDIR:
            return "to jest katalog, a nie plik";
        case ENOTDIR:
            return "część ścieżki nie jest katalogiem";
        case ENOSPC:
            return "brak miejsca na dysku";
        case EDQUOT:
            return "przekroczony przydział miejsca na dysku";
        case EROFS:
            return "system plików jest tylko do odczytu";
        case EFBIG:
            return "plik przekroczył dopuszczalny rozmiar";
        case ENAMETOOLONG:
            return "za długa nazwa pliku";
        case EIO:
            return "błąd wejścia-wyjścia";
        default:
            return "błąd systemu (" + std::string(std::strerror(err)) + ")";
    }
}

/// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    /// Closes now and reports the error of the close, which can be the first sign of a full disk.
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

/// The file a save really replaces: the target of a symbolic link rather than the link.
std::string resolved(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) return path;
    const auto target = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : target.string();
}

/// Creates a new, unique temporary file beside target; -1 with errno set on failure.
int createTemporary(const std::filesystem::path& target, std::string& name) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string leaf = "." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) +
                                 "-" + std::to_string(counter++);
        name = (target.parent_path() / leaf).string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void syncDirectory(const std::filesystem::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // the rename has happened; this only hurries it to the disk
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileText readTextFile(const std::string& path, std::size_t maxBytes) {
    // Non-blocking, so that a named pipe is refused instead of waited on.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return {std::nullopt, systemError(errno)};
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return {std::nullopt, systemError(errno)};
    if (S_ISDIR(st.st_mode)) return {std::nullopt, systemError(EISDIR)};
    if (!S_ISREG(st.st_mode)) return {std::nullopt, "to nie jest zwykły plik"};
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes)
        return {std::nullopt, "plik jest za duży (ponad " + std::to_string(maxBytes >> 20) + " MiB)"};
    std::string text;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {std::nullopt, "błąd odczytu: " + systemError(errno)};
        if (n == 0) break;
        text.append(buf, static_cast<std::size_t>(n));
        // The file may grow while it is read.
        if (text.size() > maxBytes)
            return {std::nullopt, "plik jest za duży (ponad " + std::to_string(maxBytes >> 20) + " MiB)"};
    }
    return {std::move(text), {}};
}

ParsedWorkspace readWorkspaceFile(const std::string& path) {
    FileText file = readTextFile(path);
    if (!file.text) return {std::nullopt, std::move(file.error)};
    return parseWorkspace(*file.text);
}

std::optional<std::string> saveAtomically(const std::string& path, const std::string& text) {
    const std::filesystem::path target = resolved(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return systemError(EISDIR);

    std::string temporary;
    Descriptor fd(createTemporary(target, temporary));
    if (fd.get() < 0) return systemError(errno);
    const auto failed = [&](int err) {
        if (fd.get() >= 0) fd.close();
        ::unlink(temporary.c_str());
        return systemError(err);
    };
    // The new file keeps the permissions of the one it replaces.
    if (exists && ::fchmod(fd.get(), old.st_mode & 07777) != 0) return failed(errno);
    if (!writeAll(fd.get(), text)) return failed(errno);
    if (::fsync(fd.get()) != 0) return failed(errno);
    if (fd.close() != 0) return failed(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return failed(errno);
    syncDirectory(target.parent_path());
    return std::nullopt;
}

}  // namespace vemrik
