#include "ui/document.h"

#include <filesystem>
#include <utility>

#include "platform/texts.h"
#include "ui/layout.h"

namespace vemrik {

namespace {

constexpr Text kUntitled{"Bez nazwy", "Untitled"};

}  // namespace

void Document::keep(std::string file, const Engine& engine) {
    path = std::move(file);
    saved = engine.workVersion();
}

std::string Document::name() const {
    return path.empty() ? say(kUntitled) : std::filesystem::path(path).filename().string();
}

std::string Document::title(const Engine& engine) const {
    const bool changed = modified(engine);
    if (path.empty() && !changed) return std::string(kFormCaption);  // as the program always was
    return name() + (changed ? "*" : "") + " - " + std::string(kFormCaption);
}

}  // namespace vemrik
