#include "ui/timeline_log.h"

#include "platform/texts.h"
#include "simulation/timeline_feed.h"
#include "ui/timeline_texts.h"

namespace vemrik {

void TimelineLog::show(RunTimeline& timeline, const RunLog& log, std::string fileName) {
    shown_ = true;
    rules_ = loggedRuleTexts(log);
    file_ = std::move(fileName);
    steps_ = log.steps.size();
    showRecordedSteps(timeline, recordedSteps(log), !log.steps.empty() && log.steps.front().hasPose);
}

void TimelineLog::clear(RunTimeline& timeline) {
    shown_ = false;
    rules_.clear();
    timeline.clear();
}

std::string TimelineLog::source(const RunTimeline& timeline) const {
    std::string steps = std::to_string(steps_);
    if (timeline.size() < steps_) steps += say(TimelineTexts::lastShown, {std::to_string(timeline.size())});
    return say(TimelineTexts::logSource, {file_, steps});
}

}  // namespace vemrik
