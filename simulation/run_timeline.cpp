#include "simulation/run_timeline.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace vemrik {

namespace {

// Bit k of a byte moved to byte k of a word: up to 255 steps add up in one word per field.
constexpr std::array<std::uint64_t, 256> kSpread = [] {
    std::array<std::uint64_t, 256> t{};
    for (unsigned b = 0; b < 256; ++b)
        for (unsigned k = 0; k < 8; ++k)
            if (b & (1u << k)) t[b] |= std::uint64_t{1} << (8 * k);
    return t;
}();

constexpr std::uint32_t byteOf(std::uint64_t word, unsigned k) {
    return static_cast<std::uint32_t>((word >> (8 * k)) & 0xFF);
}

constexpr std::uint8_t kDerived = kFactLeft | kFactBack | kFactStopped;

// The bit of each mark of kMarkFacts and of the stop signal.
constexpr std::array<unsigned, 4> kMarkBits = {3, 4, 2, 5};
constexpr unsigned kStopBit = 1;

std::uint32_t bitsOf(float f) { return std::bit_cast<std::uint32_t>(f); }

}  // namespace

std::uint32_t poseDigest(const RunRow& row) {
    return bitsOf(row.x) * 0x9E3779B1u ^ bitsOf(row.y) * 0x85EBCA77u ^ bitsOf(row.heading) * 0xC2B2AE3Du;
}

TimelineStep timelineStepOf(const RunRow& row, int sensorCount, bool ruleMatched, int width, int height) {
    TimelineStep s;
    s.heading = row.heading;
    s.pose = poseDigest(row);
    s.rule = row.rule >= 0 && row.rule <= INT16_MAX ? static_cast<std::int16_t>(row.rule) : std::int16_t{-1};
    s.sensors = row.sensors;
    s.sensorCount = static_cast<std::uint8_t>(std::clamp(sensorCount, 0, 8));
    const bool onImage = row.x >= 0.0f && row.x < static_cast<float>(width) && row.y >= 0.0f &&
                         row.y < static_cast<float>(height);
    if (!onImage) s.facts |= kFactOffMap;
    if (row.stop) s.facts |= kFactStopSignal;
    if (!ruleMatched) s.facts |= kFactNoRule;
    return s;
}

void RunTimeline::clear(std::uint64_t firstStep) {
    ++version_;
    steps_.clear();
    firstStep_ = firstStep;
    headingKnown_ = true;
    totals_.assign(1, Totals{});
    ruleTotals_.clear();
    blockMin_.clear();
    blockMax_.clear();
    lines_.clear();
    keys_.clear();
}

void RunTimeline::setHeadingKnown(bool known) {
    if (known == headingKnown_) return;
    ++version_;
    headingKnown_ = known;
}

void RunTimeline::append(TimelineStep step) {
    if (steps_.capacity() < kCapacity) {
        steps_.reserve(kCapacity);
        totals_.reserve(kCapacity / kTimelineBlock + 1);
        blockMin_.reserve(kCapacity / kTimelineBlock);
        blockMax_.reserve(kCapacity / kTimelineBlock);
    }
    if (steps_.size() == kCapacity) {
        // Older half out: an O(n) rebuild once every kCapacity / 2 steps.
        const std::size_t half = kCapacity / 2;
        std::move(steps_.begin() + half, steps_.end(), steps_.begin());
        steps_.resize(kCapacity - half);
        firstStep_ += half;
        rebuild();
    }
    ++version_;
    const std::uint8_t before = steps_.empty() ? 0 : steps_.back().facts;
    step.facts &= static_cast<std::uint8_t>(~kDerived);
    const bool off = step.facts & kFactOffMap, wasOff = before & kFactOffMap;
    if (off && !wasOff) step.facts |= kFactLeft;
    if (!off && wasOff) step.facts |= kFactBack;
    if ((step.facts & kFactStopSignal) && !(before & kFactStopSignal)) step.facts |= kFactStopped;
    if (step.rule >= 0) keyOf(step.rule);
    steps_.push_back(step);
    if (steps_.size() % kTimelineBlock == 0) closeBlock(steps_.size());
}

void RunTimeline::truncate(std::size_t count) {
    if (count >= steps_.size()) return;
    ++version_;
    steps_.resize(count);
    const std::size_t blocks = count / kTimelineBlock;
    totals_.resize(blocks + 1);
    ruleTotals_.resize((blocks + 1) * lines_.size());
    blockMin_.resize(blocks);
    blockMax_.resize(blocks);
}

int RunTimeline::keyOf(int line) {
    if (line >= static_cast<int>(keys_.size())) keys_.resize(static_cast<std::size_t>(line) + 1, -1);
    if (keys_[static_cast<std::size_t>(line)] < 0) addKey(line);
    return keys_[static_cast<std::size_t>(line)];
}

void RunTimeline::addKey(int line) {
    // A new column in every row of counts, at the place of its line, so counts go in line order;
    // the line has acted nowhere before.
    const std::size_t width = lines_.size(), rows = totals_.size();
    const std::size_t at =
        static_cast<std::size_t>(std::lower_bound(lines_.begin(), lines_.end(), line) - lines_.begin());
    std::vector<std::uint32_t> wider;
    wider.reserve((kCapacity / kTimelineBlock + 1) * (width + 1));
    wider.resize(rows * (width + 1), 0);
    for (std::size_t r = 0; r < rows; ++r) {
        const auto from = ruleTotals_.begin() + static_cast<std::ptrdiff_t>(r * width);
        const auto to = wider.begin() + static_cast<std::ptrdiff_t>(r * (width + 1));
        std::copy_n(from, at, to);
        std::copy(from + static_cast<std::ptrdiff_t>(at), from + static_cast<std::ptrdiff_t>(width),
                  to + static_cast<std::ptrdiff_t>(at) + 1);
    }
    ruleTotals_ = std::move(wider);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
    for (std::size_t key = at; key < lines_.size(); ++key)
        keys_[static_cast<std::size_t>(lines_[key])] = static_cast<std::int16_t>(key);
}

void RunTimeline::closeBlock(std::size_t end) {
    const std::size_t first = end - kTimelineBlock;
    const std::size_t width = lines_.size();
    Totals t = totals_.back();
    ruleTotals_.resize(ruleTotals_.size() + width);
    std::uint32_t* rules = ruleTotals_.data() + ruleTotals_.size() - width;
    std::copy_n(rules - width, width, rules);
    addSteps(first, kTimelineBlock, t, rules);
    totals_.push_back(t);
    float lo = steps_[first].heading, hi = lo;
    for (std::size_t i = first + 1; i < end; ++i) {
        lo = std::min(lo, steps_[i].heading);
        hi = std::max(hi, steps_[i].heading);
    }
    blockMin_.push_back(lo);
    blockMax_.push_back(hi);
}

void RunTimeline::rebuild() {
    const std::size_t n = steps_.size();
    totals_.assign(1, Totals{});
    ruleTotals_.assign(lines_.size(), 0);
    blockMin_.clear();
    blockMax_.clear();
    for (std::size_t end = kTimelineBlock; end <= n; end += kTimelineBlock) closeBlock(end);
}

void RunTimeline::addSteps(std::size_t first, std::size_t count, Totals& t, std::uint32_t* rules) const {
    std::uint64_t on = 0, present = 0, facts = 0;
    for (std::size_t i = first; i < first + count; ++i) {
        const TimelineStep& s = steps_[i];
        // A slot the robot lacks reads 1 only from a check box: it counts as absent, not on.
        const unsigned slots = ((1u << s.sensorCount) - 1u) & 0xFFu;
        on += kSpread[s.sensors & slots];
        present += kSpread[slots];
        facts += kSpread[s.facts];
        if (s.rule >= 0) {
            ++rules[keys_[static_cast<std::size_t>(s.rule)]];
            ++t.turned;
        }
    }
    for (unsigned k = 0; k < 8; ++k) {
        t.on[k] += byteOf(on, k);
        t.present[k] += byteOf(present, k);
    }
    t.stop += byteOf(facts, kStopBit);
    for (std::size_t m = 0; m < kMarkBits.size(); ++m) t.marks[m] += byteOf(facts, kMarkBits[m]);
}

void RunTimeline::totalsBefore(std::size_t x, Totals& t, std::uint32_t* rules) const {
    const std::size_t block = x / kTimelineBlock, width = lines_.size();
    t = totals_[block];
    std::copy_n(ruleTotals_.begin() + static_cast<std::ptrdiff_t>(block * width), width, rules);
    addSteps(block * kTimelineBlock, x - block * kTimelineBlock, t, rules);
}

void RunTimeline::summarise(std::size_t a, std::size_t b, TimelineSummary& out) const {
    const std::size_t width = lines_.size();
    if (scratchA_.size() < width) {
        scratchA_.resize(width);
        scratchB_.resize(width);
    }
    Totals ta, tb;
    totalsBefore(a, ta, scratchA_.data());
    totalsBefore(b, tb, scratchB_.data());
    difference(ta, scratchA_.data(), tb, scratchB_.data(), a, b, out);
}

void RunTimeline::summariseRanges(const std::vector<std::pair<std::size_t, std::size_t>>& ranges,
                                  std::vector<TimelineSummary>& out) const {
    const std::size_t width = lines_.size();
    if (scratchA_.size() < width) {
        scratchA_.resize(width);
        scratchB_.resize(width);
    }
    zeros_.resize(width, 0u);  // 0 again after every use
    out.resize(ranges.size());
    Totals ta, tb;
    std::size_t at = ~std::size_t{0};  // where ta and scratchA_ stand
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const auto [a, b] = ranges[i];
        if (a == b) {
            out[i] = TimelineSummary{};
        } else if (i > 0 && ranges[i - 1] == ranges[i]) {
            out[i] = out[i - 1];
        } else if (b - a < kTimelineBlock) {
            // A short range is cheaper summed step by step than from the totals at its ends.
            tb = Totals{};
            addSteps(a, b - a, tb, zeros_.data());
            difference(Totals{}, nullptr, tb, zeros_.data(), a, b, out[i]);
        } else {
            if (a != at) totalsBefore(a, ta, scratchA_.data());
            totalsBefore(b, tb, scratchB_.data());
            difference(ta, scratchA_.data(), tb, scratchB_.data(), a, b, out[i]);
            ta = tb;
            std::swap(scratchA_, scratchB_);
            at = b;
        }
    }
}

void RunTimeline::difference(const Totals& ta, const std::uint32_t* ra, const Totals& tb, std::uint32_t* rb,
                             std::size_t a, std::size_t b, TimelineSummary& out) const {
    out.steps = static_cast<std::uint32_t>(b - a);
    for (std::size_t k = 0; k < 8; ++k) {
        out.on[k] = tb.on[k] - ta.on[k];
        out.present[k] = tb.present[k] - ta.present[k];
    }
    out.stop = tb.stop - ta.stop;
    for (std::size_t m = 0; m < out.marks.size(); ++m) out.marks[m] = tb.marks[m] - ta.marks[m];
    out.turned = tb.turned - ta.turned;
    out.rule = -1;
    out.ruleSteps = 0;
    if (ra == nullptr) {
        // A short range: the counts of the rules that acted in it, then back to 0 for the next.
        std::uint32_t* counts = rb;
        for (std::size_t i = a; i < b; ++i) {
            const int line = steps_[i].rule;
            if (line < 0) continue;
            const std::uint32_t n = counts[keys_[static_cast<std::size_t>(line)]];
            if (n > out.ruleSteps || (n == out.ruleSteps && line < out.rule)) {
                out.ruleSteps = n;
                out.rule = line;
            }
        }
        for (std::size_t i = a; i < b; ++i)
            if (steps_[i].rule >= 0) counts[keys_[static_cast<std::size_t>(steps_[i].rule)]] = 0;
    } else {
        // Counts go in line order: of equal counts the lower line, at the lower key, wins. Count
        // and key in one number keep the loop free of branches.
        std::uint64_t best = 0;
        for (std::size_t key = 0; key < lines_.size(); ++key)
            best = std::max(best, std::uint64_t{rb[key] - ra[key]} << 16 | (0xFFFFu - key));
        out.ruleSteps = static_cast<std::uint32_t>(best >> 16);
        if (out.ruleSteps > 0) out.rule = lines_[0xFFFFu - (best & 0xFFFFu)];
    }

    // Headings: the whole blocks inside by their kept extremes, the ends step by step.
    const std::size_t innerA = std::min(b, (a + kTimelineBlock - 1) / kTimelineBlock * kTimelineBlock);
    const std::size_t innerB = std::max(innerA, b / kTimelineBlock * kTimelineBlock);
    float lo = steps_[a].heading, hi = lo;
    for (std::size_t i = a; i < innerA; ++i) {
        lo = std::min(lo, steps_[i].heading);
        hi = std::max(hi, steps_[i].heading);
    }
    for (std::size_t j = innerA / kTimelineBlock; j < innerB / kTimelineBlock; ++j) {
        lo = std::min(lo, blockMin_[j]);
        hi = std::max(hi, blockMax_[j]);
    }
    for (std::size_t i = innerB; i < b; ++i) {
        lo = std::min(lo, steps_[i].heading);
        hi = std::max(hi, steps_[i].heading);
    }
    out.headingMin = lo;
    out.headingMax = hi;
    out.headingLast = steps_[b - 1].heading;
}

}  // namespace vemrik
