#pragma once

#include <string>

#include "engine/engine.h"

namespace vemrik {

/// The file the work belongs to, and the work's version when it was last saved or opened.
struct Document {
    /// Empty while the work has no file.
    std::string path;
    WorkVersion saved;

    /// The work is now the file at `path`, as it was just saved or opened.
    void keep(std::string file, const Engine& engine);
    /// Edited since it was saved or opened: an edit undone by hand still counts, a picture import
    /// taken back does not.
    bool modified(const Engine& engine) const { return engine.workVersion() != saved; }
    /// The file's name, or the word for a work without one.
    std::string name() const;
    /// The window's title: the form's caption alone until there is a file or a change, else the
    /// name, starred while modified, before it.
    std::string title(const Engine& engine) const;
};

}  // namespace vemrik
