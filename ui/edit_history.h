#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <vector>

#include "engine/engine.h"

namespace vemrik {

/// The edits of the work, to take back and make again. A step keeps only the parts of the work
/// it changed, as they were on its other side and with the stamps they carried, so a part put
/// back has its version again and work undone to the saved state is not modified. At most
/// kSteps steps and about kBytes of parts are kept; the oldest go first.
class EditHistory {
public:
    static constexpr std::size_t kSteps = 100;
    static constexpr std::size_t kBytes = 32u << 20;

    explicit EditHistory(const Engine& e) { restart(e); }

    /// The work as it stands begins the history, nothing to undo or redo: a file opened, "Nowy".
    void restart(const Engine& e);
    /// What was edited since the last step becomes one step, and nothing can be redone. Moves of
    /// one angle right after each other are one step, as a dragged slider gives them.
    void follow(const Engine& e);
    bool canUndo(const Engine& e) const;
    bool canRedo() const { return !redo_.empty(); }
    /// Puts back what the last step changed (a drag still held is a step first); false if none.
    bool undo(Engine& e);
    bool redo(Engine& e);
    std::size_t undoSteps() const { return undo_.size(); }

private:
    struct Step {
        std::vector<WorkPart> parts;
        std::size_t bytes = 0;
    };
    /// Puts the step's parts into the engine, and the engine's into the step.
    void exchange(Engine& e, Step& step);
    bool movesTheSameAngle(const Step& step) const;
    void drop(Step& step) { kept_ -= step.bytes; }
    void trim();

    std::array<WorkPart, kWorkParts> now_;  // the work as the last step left it
    std::deque<Step> undo_;
    std::vector<Step> redo_;
    std::size_t kept_ = 0;
};

}  // namespace vemrik
