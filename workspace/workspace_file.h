#pragma once

#include <string>

#include "platform/files.h"
#include "workspace/workspace_json.h"

namespace vemrik {

/// Reads and checks a workspace file; the error names what is wrong and where.
ParsedWorkspace readWorkspaceFile(const std::string& path);

}  // namespace vemrik
