#include "engine/run_record.h"

#include <algorithm>
#include <unordered_map>

namespace vemrik {

namespace {

// The drawn map in pixels: the last column and row of cells are never painted.
constexpr float kMapWidthPx = 10.0f * (kMapColumns - 1);
constexpr float kMapHeightPx = 10.0f * (kMapRows - 1);

}  // namespace

bool onDrawnMap(float x, float y) { return x >= 0.0f && x < kMapWidthPx && y >= 0.0f && y < kMapHeightPx; }

void RunRecord::clear() {
    rows_.clear();
    steps_ = 0;
    std::fill(hits_.begin(), hits_.end(), 0);
    std::fill(lineTexts_.begin(), lineTexts_.end(), -1);
    texts_.clear();
    stepped_ = false;
    lastLine_ = kNoRule;
    lastText_ = -1;
    stopSeen_ = false;
    stopStep_.reset();
    offMapSince_ = 0;
    trail_.clear();
    internAll();
}

void RunRecord::internAll() {
    // Done when the list or the run changes, so a step never copies a text.
    for (std::size_t j = 0; j < lines_.size(); ++j) textOfLine(static_cast<int>(j));
}

void RunRecord::recordStep(float fromX, float fromY, const ProgramState& after, int rule,
                           const RuleList& rules) {
    followList(rules);
    recordFollowed(fromX, fromY, after, rule);
}

void RunRecord::recordStep(float fromX, float fromY, const ProgramState& after, int rule,
                           const std::vector<std::string>& rules) {
    followList(rules);
    recordFollowed(fromX, fromY, after, rule);
}

void RunRecord::recordFollowed(float fromX, float fromY, const ProgramState& after, int rule) {
    const bool acted = rule >= 0 && rule < static_cast<int>(lines_.size());
    RunRow r;
    r.step = ++steps_;
    r.heading = after.RobotHeading;
    r.x = after.RobotPosX;
    r.y = after.RobotPosY;
    r.rule = acted ? rule : kNoRule;
    r.ruleText = acted ? textOfLine(rule) : -1;
    for (std::size_t k = 0; k < after.SensorStates.size(); ++k)
        if (after.SensorStates[k] != 0) r.sensors = static_cast<std::uint8_t>(r.sensors | (1u << k));
    r.stop = stopSeen_;
    rows_.push(r);
    if (acted) ++hits_[static_cast<std::size_t>(rule)];
    stepped_ = true;
    lastLine_ = r.rule;
    lastText_ = r.ruleText;
    if (r.stop && !stopStep_) stopStep_ = r.step - 1;
    stopSeen_ = false;
    if (onDrawnMap(r.x, r.y))
        offMapSince_ = 0;
    else if (offMapSince_ == 0)
        offMapSince_ = r.step;
    trail_.step(fromX, fromY, after.RobotPosX, after.RobotPosY);
}

void RunRecord::followList(const RuleList& rules) {
    if (rules.stamp() != 0 && rules.stamp() == stamp_) return;
    followList(rules.lines());
    stamp_ = rules.stamp();
}

void RunRecord::followList(const std::vector<std::string>& rules) {
    stamp_ = 0;
    if (rules == lines_) return;
    // Old indices of each text, in list order; a new line takes the first one still free.
    std::unordered_map<std::string_view, std::vector<std::size_t>> oldLines;
    for (std::size_t i = lines_.size(); i-- > 0;) oldLines[lines_[i]].push_back(i);
    std::vector<std::uint64_t> hits(rules.size(), 0);
    std::vector<int> lineTexts(rules.size(), -1);
    int lastLine = kNoRule;
    for (std::size_t j = 0; j < rules.size(); ++j) {
        const auto it = oldLines.find(rules[j]);
        if (it == oldLines.end() || it->second.empty()) continue;
        const std::size_t i = it->second.back();
        it->second.pop_back();
        hits[j] = hits_[i];
        lineTexts[j] = lineTexts_[i];
        if (static_cast<int>(i) == lastLine_) lastLine = static_cast<int>(j);
    }
    lines_ = rules;
    hits_ = std::move(hits);
    lineTexts_ = std::move(lineTexts);
    lastLine_ = lastLine;
    internAll();
}

std::uint64_t RunRecord::hits(int line) const {
    return line >= 0 && line < static_cast<int>(hits_.size()) ? hits_[static_cast<std::size_t>(line)] : 0;
}

std::optional<std::uint64_t> RunRecord::stopReachedAt() const {
    if (stopStep_) return stopStep_;
    if (stopSeen_) return steps_;
    return std::nullopt;
}

LastRule RunRecord::lastRule() const {
    LastRule r;
    r.stepped = stepped_;
    r.line = lastLine_;
    if (lastText_ >= 0) r.text = texts_[static_cast<std::size_t>(lastText_)];
    return r;
}

std::string_view RunRecord::ruleText(const RunRow& r) const {
    if (r.ruleText < 0 || r.ruleText >= static_cast<int>(texts_.size())) return {};
    return texts_[static_cast<std::size_t>(r.ruleText)];
}

int RunRecord::textOfLine(int line) {
    int& id = lineTexts_[static_cast<std::size_t>(line)];
    if (id >= 0) return id;
    const std::string& text = lines_[static_cast<std::size_t>(line)];
    const auto it = std::find(texts_.begin(), texts_.end(), text);
    id = static_cast<int>(it - texts_.begin());
    if (it == texts_.end()) texts_.push_back(text);
    return id;
}

}  // namespace vemrik
