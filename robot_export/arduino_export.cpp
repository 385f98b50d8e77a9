#include "robot_export/arduino_export.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/files.h"
#include "platform/stored_zip.h"
#include "platform/system_error.h"
#include "platform/texts.h"
#include "robot_export/arduino_sketch.h"
#include "robot_export/wiring_svg.h"

namespace vemrik {

namespace fs = std::filesystem;

namespace {
constexpr std::size_t kLongestName = 63;
// Each Polish letter in UTF-8 (two bytes) followed by a blank, and its base letter at the same place.
constexpr std::string_view kPolish = "ą ć ę ł ń ó ś ź ż Ą Ć Ę Ł Ń Ó Ś Ź Ż ";
constexpr std::string_view kPolishBase = "acelnoszzACELNOSZZ";

/// Why the folder or a file of it cannot be written now, naming it; or nothing. A folder not there
/// yet is made with its files.
std::optional<std::string> targetProblem(const SketchFiles& files) {
    std::error_code ec;
    const fs::file_status folder = fs::status(files.folder, ec);
    if (folder.type() == fs::file_type::not_found) return std::nullopt;
    if (ec)
        return say({"nie można sprawdzić folderu „{1}”: {2}", "cannot check the folder “{1}”: {2}"},
                   {files.folder, systemErrorText(ec)});
    if (!fs::is_directory(folder))
        return say({"„{1}” nie jest folderem", "“{1}” is not a folder"}, {files.folder});
    for (const std::string& path : {files.sketch, files.wiring})
        if (auto why = saveRefusal(path)) return path + ": " + *why;
    return std::nullopt;
}

/// Why the sketch `old` at `path` may not be written over unasked, or nothing: it must be ours, from
/// this workspace, with settings for as many sensors as the robot has.
std::optional<std::string> replaceProblem(const SketchPlan& plan, const std::string& path,
                                          const std::string& old) {
    if (!settingsBlock(old))
        return say({"plik „{1}” nie jest szkicem z Vemrik (nie ma w nim bloku ustawień)",
                    "the file “{1}” is not a sketch from Vemrik (it has no settings block)"},
                   {path});
    if (plan.workspaceFile.empty())
        return say(
            {"szkic „{1}” już jest, a obszar roboczy nie ma pliku, więc nie wiadomo, czy to jego szkic",
             "the sketch “{1}” exists, and the workspace has no file, so it is not known to be its sketch"},
            {path});
    if (old.find(sourceLine(plan)) == std::string::npos)
        return say({"szkic „{1}” pochodzi z innego obszaru roboczego niż „{2}”",
                    "the sketch “{1}” comes from another workspace than “{2}”"},
                   {path, plan.workspaceFile});
    if (old.find(sensorCountLine(plan)) == std::string::npos)
        return say({"ustawienia szkicu „{1}” są dla innej liczby czujników niż {2}",
                    "the settings of the sketch “{1}” are for another number of sensors than {2}"},
                   {path, std::to_string(plan.sensors.size())});
    return std::nullopt;
}

/// A file to write and its text.
struct Staged {
    std::string path;
    std::string text;
};

/// Where a file waits beside its target until all are written.
std::string stagedPath(const std::string& path) {
    const fs::path p(path);
    return (p.parent_path() / ("." + p.filename().string() + ".new")).string();
}

/// Writes the sketch and its picture beside their targets, then renames both into place; after any
/// failure the folder holds what it held, `oldSketch` (if any) as the sketch.
std::optional<std::string> install(const Staged (&files)[2], const std::optional<std::string>& oldSketch,
                                   const FileWriter& write) {
    std::error_code ec;
    const auto cleanUp = [&] {
        for (const Staged& f : files) fs::remove(stagedPath(f.path), ec);
    };
    for (const Staged& f : files) {
        if (auto error = write(stagedPath(f.path), f.text)) {
            cleanUp();
            return f.path + ": " + *error;
        }
        if (fs::exists(f.path, ec))
            fs::permissions(stagedPath(f.path), fs::status(f.path, ec).permissions(), ec);
    }
    for (std::size_t i = 0; i < 2; ++i) {
        fs::rename(stagedPath(files[i].path), files[i].path, ec);
        if (!ec) continue;
        const std::string error =
            files[i].path + ": " +
            say({"nie można przenieść pliku na miejsce: {1}", "cannot move the file into place: {1}"},
                {systemErrorText(ec)});
        if (i == 1) {
            // The sketch is already new: it goes back to what it was.
            if (oldSketch)
                (void)write(files[0].path, *oldSketch);
            else
                fs::remove(files[0].path, ec);
        }
        cleanUp();
        return error;
    }
    return std::nullopt;
}

}  // namespace

std::string sketchName(const std::string& wanted) {
    std::string ascii;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const auto u = static_cast<unsigned char>(wanted[i]);
        if (u < 0x80) {
            ascii += wanted[i];
            continue;
        }
        // A Polish letter keeps its base letter; any other character becomes one '_'.
        std::size_t length = 1;
        while (i + length < wanted.size() && (static_cast<unsigned char>(wanted[i + length]) & 0xC0) == 0x80)
            ++length;
        const std::string_view letter(wanted.data() + i, length);
        const std::size_t at = kPolish.find(letter);
        ascii += at != std::string_view::npos && at % 3 == 0 ? kPolishBase[at / 3] : '_';
        i += length - 1;
    }
    std::string name;
    for (const char c : ascii) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool digit = c >= '0' && c <= '9';
        if (name.empty() && !letter) continue;
        name += letter || digit ? c : '_';
    }
    if (name.empty()) name = "robot";
    return name.substr(0, kLongestName);
}

SketchFiles sketchFiles(const std::string& dir, const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(dir) / name;
    return {folder.string(), (folder / (name + ".ino")).string(), (folder / "wiring.svg").string()};
}

std::string sketchFolderNote(const std::string& name) {
    return say({"W wybranym katalogu powstanie katalog {1} z plikami {1}.ino i wiring.svg",
                "In the folder you choose, a folder {1} will be made holding {1}.ino and wiring.svg"},
               {name});
}

std::string sketchZip(const SketchPlan& plan) {
    const std::string folder = plan.name + "/";
    return storedZip(
        {{folder + plan.name + ".ino", arduinoSketch(plan)}, {folder + "wiring.svg", wiringSvg(plan)}});
}

SketchSave writeSketchFolder(const SketchPlan& plan, const std::string& dir, bool replace,
                             const FileWriter& write) {
    const SketchFiles files = sketchFiles(dir, plan.name);
    if (auto why = targetProblem(files)) return {std::move(*why), false};
    std::string sketch = arduinoSketch(plan);
    std::optional<std::string> old;
    std::error_code ec;
    if (fs::exists(files.sketch, ec)) {
        FileText read = readTextFile(files.sketch);
        if (!read.text) return {files.sketch + ": " + read.error, false};
        old = std::move(read.text);
        if (auto why = replaceProblem(plan, files.sketch, *old)) {
            if (!replace) return {std::move(*why), true};
        } else {
            sketch = withSettings(sketch, *settingsBlock(*old));
        }
    }
    fs::create_directories(files.folder, ec);
    if (ec)
        return {say({"nie można utworzyć folderu „{1}”: {2}", "cannot create the folder “{1}”: {2}"},
                    {files.folder, systemErrorText(ec)}),
                false};
    const Staged both[] = {{files.sketch, std::move(sketch)}, {files.wiring, wiringSvg(plan)}};
    return {install(both, old, write).value_or(""), false};
}

}  // namespace vemrik
