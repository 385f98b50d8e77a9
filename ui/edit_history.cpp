#include "ui/edit_history.h"

#include <numeric>
#include <utility>

namespace vemrik {

namespace {

constexpr std::size_t kAngles = 3;
static_assert(std::is_same_v<std::variant_alternative_t<kAngles, WorkPart>, AnglesPart>);

std::size_t bytesOf(const Grid& g) {
    std::size_t bytes = 0;
    for (int x = 0; x < g.columns(); ++x)
        bytes += sizeof(std::vector<std::int32_t>) + static_cast<std::size_t>(g.length(x)) * 4;
    return bytes;
}

std::size_t bytesOf(const WorkPart& part) {
    if (const auto* p = std::get_if<RobotPart>(&part)) return bytesOf(p->grid);
    if (const auto* p = std::get_if<TrackPart>(&part)) return bytesOf(p->map) + bytesOf(p->strokes);
    if (const auto* rules = std::get_if<RuleList>(&part))
        return std::accumulate(
            rules->begin(), rules->end(), std::size_t{0},
            [](std::size_t n, const std::string& line) { return n + sizeof line + line.size(); });
    return sizeof(AnglesPart);
}

std::size_t bytesOf(const std::vector<WorkPart>& parts) {
    std::size_t bytes = 0;
    for (const WorkPart& part : parts) bytes += bytesOf(part);
    return bytes;
}

}  // namespace

void EditHistory::restart(const Engine& e) {
    for (std::size_t i = 0; i < kWorkParts; ++i) now_[i] = partOf(e, i);
    undo_.clear();
    redo_.clear();
    kept_ = 0;
}

void EditHistory::follow(const Engine& e) {
    const auto versions = partVersions(e.workVersion());
    Step step;
    for (std::size_t i = 0; i < kWorkParts; ++i)
        if (versions[i] != versionOf(now_[i])) step.parts.push_back(std::exchange(now_[i], partOf(e, i)));
    if (step.parts.empty()) return;
    const bool afterUndo = !redo_.empty();
    for (Step& s : redo_) drop(s);
    redo_.clear();
    // The step before it keeps the angle as it was before both.
    if (!afterUndo && movesTheSameAngle(step)) return;
    step.bytes = bytesOf(step.parts);
    kept_ += step.bytes;
    undo_.push_back(std::move(step));
    trim();
}

bool EditHistory::movesTheSameAngle(const Step& step) const {
    if (undo_.empty() || step.parts.size() != 1 || undo_.back().parts.size() != 1) return false;
    const auto* before = std::get_if<AnglesPart>(&undo_.back().parts[0]);
    const auto* between = std::get_if<AnglesPart>(&step.parts[0]);
    if (!before || !between) return false;
    const auto& after = std::get<AnglesPart>(now_[kAngles]);
    return (before->ruleAngle != between->ruleAngle) == (between->ruleAngle != after.ruleAngle) &&
           (before->startHeading != between->startHeading) == (between->startHeading != after.startHeading);
}

bool EditHistory::canUndo(const Engine& e) const {
    if (!undo_.empty()) return true;
    const auto versions = partVersions(e.workVersion());
    for (std::size_t i = 0; i < kWorkParts; ++i)
        if (versions[i] != versionOf(now_[i])) return true;
    return false;
}

bool EditHistory::undo(Engine& e) {
    follow(e);
    if (undo_.empty()) return false;
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    exchange(e, redo_.back());
    return true;
}

bool EditHistory::redo(Engine& e) {
    if (redo_.empty()) return false;
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
    exchange(e, undo_.back());
    return true;
}

void EditHistory::exchange(Engine& e, Step& step) {
    drop(step);
    for (WorkPart& part : step.parts) {
        e.putBack(part);
        std::swap(part, now_[part.index()]);
    }
    step.bytes = bytesOf(step.parts);
    kept_ += step.bytes;
}

void EditHistory::trim() {
    while (!undo_.empty() && (undo_.size() > kSteps || kept_ > kBytes)) {
        drop(undo_.front());
        undo_.pop_front();
    }
}

}  // namespace vemrik
