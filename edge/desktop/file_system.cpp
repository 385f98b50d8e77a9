// The files of a Linux desktop: safe saves through an unnamed temporary file, signals held.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "platform/files.h"
#include "platform/system_error.h"
#include "platform/texts.h"

namespace vemrik {

namespace {

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

/// Why a file of this kind is not written over.
std::string notRegular(mode_t mode) {
    if (S_ISDIR(mode)) return systemErrorText(EISDIR);
    if (S_ISFIFO(mode))
        return say({"to jest potok nazwany (FIFO), a nie zwykły plik",
                    "this is a named pipe (FIFO), not a regular file"});
    if (S_ISCHR(mode))
        return say({"to jest urządzenie znakowe, a nie zwykły plik",
                    "this is a character device, not a regular file"});
    if (S_ISBLK(mode))
        return say(
            {"to jest urządzenie blokowe, a nie zwykły plik", "this is a block device, not a regular file"});
    if (S_ISSOCK(mode))
        return say({"to jest gniazdo, a nie zwykły plik", "this is a socket, not a regular file"});
    return say({"to nie jest zwykły plik", "this is not a regular file"});
}

/// Why a file of this kind is not read, or nothing for a regular file.
std::optional<std::string> notReadable(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return systemErrorText(EISDIR);
    if (!S_ISREG(st.st_mode)) return say({"to nie jest zwykły plik", "this is not a regular file"});
    return std::nullopt;
}

/// Where a save lands: the final target of a symbolic link, never the link itself.
struct SaveTarget {
    std::filesystem::path path;
    std::optional<struct stat> old;  ///< the file replaced; nothing when a new one is made
    std::string error;               ///< why the save is refused, in words for the user
};

SaveTarget saveTarget(const std::string& path) {
    SaveTarget t{path, std::nullopt, {}};
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) t.error = systemErrorText(errno);
    } else if (S_ISLNK(st.st_mode) && ::stat(path.c_str(), &st) != 0) {
        // A dangling link is refused rather than followed: its target may well be a typo.
        t.error = errno == ENOENT ? say({"dowiązanie symboliczne wskazuje na plik, którego nie ma",
                                         "the symbolic link points to a file that does not exist"})
                                  : systemErrorText(errno);
    } else if (!S_ISREG(st.st_mode)) {
        t.error = notRegular(st.st_mode);
    } else if ((st.st_mode & 0222) == 0) {
        // Asked of the mode bits, as root passes access() for any file: an editor's read-only.
        t.error = say({"plik jest tylko do odczytu", "the file is read-only"});
    } else if (::access(path.c_str(), W_OK) != 0) {
        t.error = errno == EACCES ? say({"plik jest tylko do odczytu", "the file is read-only"})
                                  : systemErrorText(errno);
    } else {
        t.old = st;
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            t.path = real;
            std::free(real);
        } else {
            t.error = systemErrorText(errno);
        }
    }
    if (!t.error.empty()) return t;
    const std::filesystem::path dir = t.path.parent_path().empty() ? "." : t.path.parent_path();
    if (::access(dir.c_str(), W_OK | X_OK) != 0)
        t.error = errno == EACCES
                      ? say({"brak uprawnień do zapisu w katalogu", "no permission to write in the folder"})
                      : systemErrorText(errno);
    return t;
}

/// Tries fresh names beside target until `make` does not fail with EEXIST; returns its result.
int besideTarget(const std::filesystem::path& target, std::string& name,
                 const std::function<int(const char*)>& make) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string leaf = "." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) +
                                 "-" + std::to_string(counter++);
        name = (target.parent_path() / leaf).string();
        const int rc = make(name.c_str());
        if (rc >= 0 || errno != EEXIST) return rc;
    }
    errno = EEXIST;
    return -1;
}

/// Holds back the signals that stop a program (Ctrl-C, kill, a closed terminal) in this thread
/// while a temporary file has a name, so that they take effect only once it is gone again.
class StopSignalsHeld {
public:
    StopSignalsHeld() {
        sigset_t stop;
        sigemptyset(&stop);
        for (const int s : {SIGHUP, SIGINT, SIGQUIT, SIGTERM}) sigaddset(&stop, s);
        pthread_sigmask(SIG_BLOCK, &stop, &old_);
    }
    StopSignalsHeld(const StopSignalsHeld&) = delete;
    StopSignalsHeld& operator=(const StopSignalsHeld&) = delete;
    ~StopSignalsHeld() { pthread_sigmask(SIG_SETMASK, &old_, nullptr); }

private:
    sigset_t old_;
};

/// Gives the new file the old one's owner and mode; false with errno set when that fails.
bool keepOwnerAndMode(int fd, const struct stat& old) {
    // Owner first: a change of owner clears the set-user-ID bit that the mode then restores.
    // Only root may give a file away; anyone else's save is their own file.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM) return false;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

/// Gives an unnamed file a fresh name beside target; false with errno set.
bool linkBeside(int fd, const std::filesystem::path& target, std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return besideTarget(target, name, [&](const char* leaf) {
               return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, leaf, AT_SYMLINK_FOLLOW);
           }) == 0;
}

void syncDirectory(const std::filesystem::path& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // the rename has happened; this only hurries it to the disk
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileText readTextFile(const std::string& path, std::size_t maxBytes) {
    // The kind is asked before anything is opened: opening a device can set it going.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {std::nullopt, systemErrorText(errno)};
    if (auto refusal = notReadable(st)) return {std::nullopt, std::move(*refusal)};
    // Non-blocking, so that a named pipe put in the file's place since is refused, not waited on.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return {std::nullopt, systemErrorText(errno)};
    if (::fstat(fd.get(), &st) != 0) return {std::nullopt, systemErrorText(errno)};
    if (auto refusal = notReadable(st)) return {std::nullopt, std::move(*refusal)};
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes)
        return {std::nullopt,
                say({"plik jest za duży (ponad {1} MiB)", "the file is too large (over {1} MiB)"},
                    {std::to_string(maxBytes >> 20)})};
    std::string text;
    // Grown as it is read, the text would be copied over and over and held twice while it moves.
    text.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            return {std::nullopt, say({"błąd odczytu: {1}", "read error: {1}"}, {systemErrorText(errno)})};
        if (n == 0) break;
        text.append(buf, static_cast<std::size_t>(n));
        // The file may grow while it is read.
        if (text.size() > maxBytes)
            return {std::nullopt,
                    say({"plik jest za duży (ponad {1} MiB)", "the file is too large (over {1} MiB)"},
                        {std::to_string(maxBytes >> 20)})};
    }
    return {std::move(text), {}};
}

std::optional<std::string> saveRefusal(const std::string& path) {
    SaveTarget t = saveTarget(path);
    return t.error.empty() ? std::nullopt : std::optional(std::move(t.error));
}

std::optional<std::string> saveAtomically(const std::string& path, const std::string& text) {
    const SaveTarget target = saveTarget(path);
    if (!target.error.empty()) return target.error;
    const std::filesystem::path dir = target.path.parent_path().empty() ? "." : target.path.parent_path();

    // An unnamed file vanishes by itself whatever stops the program before it is linked in. Some
    // file systems cannot make one; a named file is then written with the stop signals held.
    std::optional<StopSignalsHeld> held;
    std::string named;
    int raw = ::access("/proc/self/fd", X_OK) == 0
                  ? ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666)
                  : -1;
    if (raw < 0) {
        held.emplace();
        raw = besideTarget(target.path, named, [](const char* name) {
            return ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        });
        if (raw < 0) return systemErrorText(errno);
    }
    Descriptor fd(raw);
    const auto failed = [&](int err) {
        if (fd.get() >= 0) fd.close();
        if (!named.empty()) ::unlink(named.c_str());
        return systemErrorText(err);
    };
    if (target.old && !keepOwnerAndMode(fd.get(), *target.old)) return failed(errno);
    if (!writeAll(fd.get(), text)) return failed(errno);
    if (::fsync(fd.get()) != 0) return failed(errno);
    if (named.empty()) {
        held.emplace();
        if (!linkBeside(fd.get(), target.path, named)) {
            named.clear();
            return failed(errno);
        }
    }
    if (fd.close() != 0) return failed(errno);
    if (::rename(named.c_str(), target.path.c_str()) != 0) return failed(errno);
    syncDirectory(dir);
    return std::nullopt;
}

bool sameFile(const std::string& a, const std::string& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

}  // namespace vemrik
