#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace vemrik {

// Reading and saving files, defined once for the desktop and once for the page (edge/).

/// Larger files are refused unread: a workspace with a million brush segments is still far
/// smaller, and reading a huge file into memory could take the program down.
inline constexpr std::size_t kMaxWorkspaceFileBytes = std::size_t{16} << 20;

/// A whole file's text.
struct FileText {
    std::optional<std::string> text;
    /// Empty on success; otherwise why the file could not be read, in Polish.
    std::string error;
};

/// Reads a whole regular file of at most maxBytes. Refuses directories, devices and pipes
/// without waiting on them.
FileText readTextFile(const std::string& path, std::size_t maxBytes = kMaxWorkspaceFileBytes);

/// Why saveAtomically(path, …) would be refused now, in Polish, or nothing: the same checks, made
/// before a long piece of work whose result is to be saved.
[[nodiscard]] std::optional<std::string> saveRefusal(const std::string& path);

/// Whether both paths name one existing file, by device and inode: links and other spellings
/// of the same path included.
bool sameFile(const std::string& a, const std::string& b);

/// Replaces the file at path by text so that it is either wholly the old file or wholly the new
/// one, even after a crash or a full disk: writes a temporary file in the same folder, flushes it
/// to the disk and renames it over the old one, keeping the old one's owner and mode where the
/// system allows. Writes only over a regular file with a write permission, or makes a new one; a
/// symbolic link is followed to its final target, which is replaced. Refuses anything else (a
/// folder, pipe, device, dangling or looping link, read-only file) and leaves it as it was. No
/// temporary file is left behind on failure. Returns the error in Polish, or nothing on success.
[[nodiscard]] std::optional<std::string> saveAtomically(const std::string& path, const std::string& text);

}  // namespace vemrik
