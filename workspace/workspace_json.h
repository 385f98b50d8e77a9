#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "workspace/workspace.h"

namespace vemrik {

/// The value of "format" that marks a workspace file, and the one version this program writes
/// and reads (see docs/workspace-format.md).
inline constexpr std::string_view kWorkspaceFormatName = "vemrik-workspace";
inline constexpr int kWorkspaceFormatVersion = 1;

/// A workspace read from text, or why it could not be.
struct ParsedWorkspace {
    std::optional<Workspace> workspace;
    /// Empty on success; otherwise, in Polish, what is wrong and where.
    std::string error;
};

/// The workspace as the text of a workspace file: JSON, one board row per line.
std::string toJson(const Workspace& ws);

/// Reads the text of a workspace file, checking everything the program relies on: board sizes,
/// cell codes, four integers per segment, rule lines the step can read, track bar positions.
ParsedWorkspace parseWorkspace(std::string_view text);

}  // namespace vemrik
