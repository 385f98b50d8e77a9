#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/files.h"
#include "robot_export/sketch_plan.h"

namespace vemrik {

/// A name the Arduino IDE takes for a sketch and its folder: ASCII letters, digits and '_',
/// starting with a letter, at most 63 characters; "robot" when nothing of `wanted` is left.
std::string sketchName(const std::string& wanted);

/// The files an export writes, for the messages that name them.
struct SketchFiles {
    std::string folder;  ///< DIR/NAME
    std::string sketch;  ///< DIR/NAME/NAME.ino
    std::string wiring;  ///< DIR/NAME/wiring.svg
};
SketchFiles sketchFiles(const std::string& dir, const std::string& name);

/// What exporting the sketch `name` into a folder yet to be chosen makes there, in the language
/// spoken, for the picker to say before anything is written.
std::string sketchFolderNote(const std::string& name);

/// The sketch folder as a download: NAME/NAME.ino and NAME/wiring.svg in a ZIP archive, each
/// member the bytes a first export of the plan writes into a folder.
std::string sketchZip(const SketchPlan& plan);

/// Writes `text` to the file at `path` whole or not at all; the error in Polish, or nothing.
using FileWriter =
    std::function<std::optional<std::string>(const std::string& path, const std::string& text)>;

/// What writing a sketch folder did.
struct SketchSave {
    /// Why nothing was written; empty when the folder was written.
    std::string error;
    /// The error is that an existing sketch would be lost (not one of ours, from another
    /// workspace, or with settings for other sensors): asking with `replace` writes over it.
    bool wouldReplace = false;
};

/// Writes the sketch folder as the Arduino IDE expects it, with the wiring picture beside the
/// sketch: both files or neither, every target checked first. A sketch this workspace wrote before
/// keeps its settings block; any other existing sketch is only replaced when `replace` says so.
/// `write` stages each file beside its target before both are renamed into place.
[[nodiscard]] SketchSave writeSketchFolder(const SketchPlan& plan, const std::string& dir,
                                           bool replace = false, const FileWriter& write = saveAtomically);

}  // namespace vemrik
