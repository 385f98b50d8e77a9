#pragma once

#include <memory>

#include "engine/engine.h"

namespace vemrik {

struct RunSetup;

/// The evaluation's rule for a lost run, asked of the window's run: the rules, the robot's reach
/// and the image's size it needs are read again only when the work has changed.
class LostRunCheck {
public:
    LostRunCheck();
    ~LostRunCheck();
    LostRunCheck(const LostRunCheck&) = delete;
    LostRunCheck& operator=(const LostRunCheck&) = delete;

    /// Whether the engine's robot is off an image of that size for good. A rule set the
    /// evaluation would refuse is never lost: its fault shows at the step that reads it.
    bool lost(const Engine& engine, int width, int height);

private:
    WorkVersion version_;
    bool read_ = false;
    std::unique_ptr<RunSetup> setup_;
};

}  // namespace vemrik
