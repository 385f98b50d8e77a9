#include "robot_export/arduino_export.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "app/texts.h"
#include "robot_export/arduino_sketch.h"
#include "robot_export/wiring_svg.h"
#include "workspace/workspace_file.h"

namespace vemrik {

namespace {
constexpr std::size_t kLongestName = 63;
// Each Polish letter in UTF-8 (two bytes) followed by a blank, and its base letter at the same place.
constexpr std::string_view kPolish = "ą ć ę ł ń ó ś ź ż Ą Ć Ę Ł Ń Ó Ś Ź Ż ";
constexpr std::string_view kPolishBase = "acelnoszzACELNOSZZ";
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

std::optional<std::string> writeSketchFolder(const SketchPlan& plan, const std::string& dir) {
    const SketchFiles files = sketchFiles(dir, plan.name);
    std::error_code ec;
    std::filesystem::create_directories(files.folder, ec);
    if (ec)
        return say({"nie można utworzyć folderu „{1}”: {2}", "cannot create the folder “{1}”: {2}"},
                   {files.folder, ec.message()});
    if (auto error = saveAtomically(files.sketch, arduinoSketch(plan))) return files.sketch + ": " + *error;
    if (auto error = saveAtomically(files.wiring, wiringSvg(plan))) return files.wiring + ": " + *error;
    return std::nullopt;
}

}  // namespace vemrik
