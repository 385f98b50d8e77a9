#include "workspace/workspace_file.h"

namespace vemrik {

ParsedWorkspace readWorkspaceFile(const std::string& path) {
    FileText file = readTextFile(path);
    if (!file.text) return {std::nullopt, std::move(file.error)};
    return parseWorkspace(*file.text);
}

}  // namespace vemrik
