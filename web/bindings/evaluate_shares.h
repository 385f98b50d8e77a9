#pragma once

#include <emscripten/val.h>

#include <string>

namespace vemrik::web {

/// Share `part` of `parts` of the job (JSON as jobSettingsOf takes it), made on this module's one
/// thread: its runs and time as bytes for evaluationResult. `progress(done, total)` hears the
/// share's runs and cancels the rest by returning true.
emscripten::val evaluateShare(const std::string& workspaceText, const std::string& jobJson, int part,
                              int parts, const emscripten::val& progress);

/// The whole job's result (resultJson) from all its shares' bytes in part order: the same whatever
/// the number of parts; its time is the longest share's.
std::string evaluationResult(const std::string& jobJson, const emscripten::val& shares);

}  // namespace vemrik::web
