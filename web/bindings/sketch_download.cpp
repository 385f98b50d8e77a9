#include "web/bindings/sketch_download.h"

#include <filesystem>

#include "platform/texts.h"
#include "robot_export/arduino_export.h"
#include "web/bindings/js_error.h"

namespace vemrik::web {

namespace {

/// As the window names a sketch: the file's name without its last extension, "robot" for none.
std::string nameFor(const std::string& fileName) {
    return sketchName(std::filesystem::path(fileName).stem());
}

}  // namespace

std::string sketchNote(const std::string& fileName) { return sketchFolderNote(nameFor(fileName)); }

emscripten::val sketchDownload(WebForm& form, const std::string& fileName) {
    const Engine& engine = form.form().engine;
    PlannedSketch planned = planSketch(engine.work(), nameFor(fileName), engine.seed());
    if (!planned.plan)
        throwJsError(say({"Nie można wyeksportować: {1}.", "Cannot export: {1}."}, {planned.error}));
    planned.plan->workspaceFile = fileName;
    const std::string zip = sketchZip(*planned.plan);
    emscripten::val result = emscripten::val::object();
    result.set("name", planned.plan->name + ".zip");
    // A copy: the view into the module's memory would not outlive this call.
    result.set("bytes", emscripten::val::global("Uint8Array")
                            .new_(emscripten::val(emscripten::typed_memory_view(zip.size(), zip.data()))));
    return result;
}

}  // namespace vemrik::web
