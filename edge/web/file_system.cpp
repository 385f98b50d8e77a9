// Files in a page: the module's own in-memory folder, which nothing else writes and no crash
// outlives, so a plain write and rename is safe enough.
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/files.h"
#include "platform/system_error.h"
#include "platform/texts.h"

namespace vemrik {

namespace fs = std::filesystem;

namespace {

std::string tooLarge(std::size_t maxBytes) {
    return say({"plik jest za duży (ponad {1} MiB)", "the file is too large (over {1} MiB)"},
               {std::to_string(maxBytes >> 20)});
}

std::string notRegular() { return say({"to nie jest zwykły plik", "this is not a regular file"}); }

}  // namespace

FileText readTextFile(const std::string& path, std::size_t maxBytes) {
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (!fs::exists(st)) return {std::nullopt, ec ? systemErrorText(ec) : systemErrorText(ENOENT)};
    if (!fs::is_regular_file(st)) return {std::nullopt, notRegular()};
    if (fs::file_size(path, ec) > maxBytes) return {std::nullopt, tooLarge(maxBytes)};
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return {std::nullopt, say({"błąd odczytu", "read error"})};
    return {std::move(text), {}};
}

std::optional<std::string> saveRefusal(const std::string& path) {
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (fs::exists(st) && !fs::is_regular_file(st)) return notRegular();
    return std::nullopt;
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

std::optional<std::string> saveAtomically(const std::string& path, const std::string& text) {
    if (auto refusal = saveRefusal(path)) return refusal;
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) return say({"błąd zapisu", "write error"});
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return say({"błąd zapisu", "write error"});
    }
    return std::nullopt;
}

}  // namespace vemrik
