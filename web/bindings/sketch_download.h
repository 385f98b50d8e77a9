#pragma once

#include <emscripten/val.h>

#include <string>

#include "web/bindings/web_form.h"

namespace vemrik::web {

/// What "Eksportuj na Arduino…" says before it writes, for the work kept as `fileName` ("" for none).
std::string sketchNote(const std::string& fileName);

/// The sketch folder of the work kept as `fileName` as a ZIP: {name: "NAME.zip", bytes: Uint8Array},
/// each member as vemrik-eval arduino writes it. A work no board can run throws why.
emscripten::val sketchDownload(WebForm& form, const std::string& fileName);

}  // namespace vemrik::web
