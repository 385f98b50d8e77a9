#include "ui/lost_run.h"

#include "evaluation/headless_run.h"
#include "evaluation/run_setup.h"

namespace vemrik {

LostRunCheck::LostRunCheck() = default;
LostRunCheck::~LostRunCheck() = default;

bool LostRunCheck::lost(const Engine& engine, int width, int height) {
    if (!read_ || version_ != engine.workVersion() || !setup_ || setup_->width != width ||
        setup_->height != height) {
        RunSetup image;
        image.width = width;
        image.height = height;
        PreparedRun prepared =
            withRobotAndRules(std::move(image), engine.state().RobotGrid, engine.rules().lines());
        setup_ = prepared.setup ? std::make_unique<RunSetup>(std::move(*prepared.setup)) : nullptr;
        version_ = engine.workVersion();
        read_ = true;
    }
    const ProgramState& s = engine.state();
    return setup_ && lostForGood(*setup_, RobotPose{s.RobotPosX, s.RobotPosY, s.RobotHeading});
}

}  // namespace vemrik
