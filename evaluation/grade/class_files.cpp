#include "evaluation/grade/class_files.h"

#include <algorithm>
#include <filesystem>

#include "platform/files.h"
#include "platform/system_error.h"
#include "platform/texts.h"

namespace vemrik {

namespace fs = std::filesystem;

std::optional<std::vector<std::string>> studentFiles(const std::vector<std::string>& args, std::string& why) {
    std::vector<std::string> files;
    for (const std::string& a : args) {
        std::error_code ec;
        if (!fs::is_directory(a, ec)) {
            files.push_back(a);
            continue;
        }
        std::vector<std::string> inFolder;
        for (fs::directory_iterator it(a, ec), end; !ec && it != end; it.increment(ec))
            if (it->path().extension() == ".vemrik") inFolder.push_back(it->path().string());
        if (ec) {
            why = say({"nie można przejrzeć folderu „{1}”: {2}", "cannot look through the folder “{1}”: {2}"},
                      {a, systemErrorText(ec)});
            return std::nullopt;
        }
        std::sort(inFolder.begin(), inFolder.end());
        files.insert(files.end(), inFolder.begin(), inFolder.end());
    }
    return files;
}

std::optional<std::string> reportRefusal(const std::string& path, const Task& task,
                                         const std::string& taskPath,
                                         const std::vector<std::string>& students) {
    if (sameFile(path, taskPath)) return say({"to jest plik zadania", "this is the task file"});
    for (const TaskTrack& t : task.tracks)
        if (sameFile(path, t.path))
            return say({"to jest plik toru zadania", "this is a track file of the task"});
    if (task.robot && sameFile(path, task.robotPath))
        return say({"to jest plik robota zadania", "this is the task's robot file"});
    for (const std::string& s : students)
        if (sameFile(path, s)) return say({"to jest plik ucznia", "this is a student's file"});
    return saveRefusal(path);
}

}  // namespace vemrik
