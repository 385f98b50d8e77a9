#include "simulation/run_timeline.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace vemrik {

namespace {

// Where each count lies in Totals and Within: sensor slots on, slots present, then one per fact
// bit, a spare one counting the steps some rule acted in.
constexpr std::size_t kCountOn = 0, kCountPresent = 8, kCountFacts = 16;
constexpr unsigned kTurnedBit = 6;

// Bit k of a byte as byte k of eight.
constexpr std::array<std::array<std::uint8_t, 8>, 256> kBitBytes = [] {
    std::array<std::array<std::uint8_t, 8>, 256> t{};
    for (unsigned b = 0; b < 256; ++b)
        for (unsigned k = 0; k < 8; ++k) t[b][k] = static_cast<std::uint8_t>(b >> k & 1u);
    return t;
}();

// The bit of each mark of kMarkFacts and of the stop signal.
constexpr std::array<unsigned, kMarkFacts.size()> kMarkBits = {3, 4, 2, 5, 7};
constexpr unsigned kStopBit = 1;

constexpr std::uint8_t kDerived = kFactLeft | kFactBack | kFactStopped;

std::uint32_t bitsOf(float f) {
    static_assert(sizeof(float) == sizeof(std::uint32_t));
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

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
    within_.clear();
    lines_.clear();
    keys_.clear();
    slots_.assign(1, 0);
}

void RunTimeline::setHeadingKnown(bool known) {
    if (known == headingKnown_) return;
    ++version_;
    headingKnown_ = known;
}

void RunTimeline::append(TimelineStep step) {
    if (steps_.capacity() < kCapacity) {
        steps_.reserve(kCapacity);
        within_.reserve(kCapacity);
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
    within_.emplace_back();
    within(steps_.size() - 1);
    if (steps_.size() % kTimelineBlock == 0) closeBlock(steps_.size());
}

void RunTimeline::truncate(std::size_t count) {
    if (count >= steps_.size()) return;
    ++version_;
    steps_.resize(count);
    within_.resize(count);
    const std::size_t blocks = count / kTimelineBlock;
    totals_.resize(blocks + 1);
    ruleTotals_.resize((blocks + 1) * lines_.size());
    blockMin_.resize(blocks);
    blockMax_.resize(blocks);
}

int RunTimeline::keyOf(int line) {
    if (line >= static_cast<int>(keys_.size())) {
        keys_.resize(static_cast<std::size_t>(line) + 1, -1);
        slots_.resize(keys_.size() + 1, 0);
    }
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
    for (std::size_t key = at; key < lines_.size(); ++key) {
        keys_[static_cast<std::size_t>(lines_[key])] = static_cast<std::int16_t>(key);
        slots_[static_cast<std::size_t>(lines_[key]) + 1] = static_cast<std::uint32_t>(key + kSpareSlots);
    }
}

void RunTimeline::closeBlock(std::size_t end) {
    const std::size_t first = end - kTimelineBlock;
    const std::size_t width = lines_.size();
    Totals t = totals_.back();
    for (std::size_t k = 0; k < t.n.size(); ++k) t.n[k] += within_[end - 1].n[k];
    totals_.push_back(t);
    ruleTotals_.resize(ruleTotals_.size() + width);
    std::uint32_t* rules = ruleTotals_.data() + ruleTotals_.size() - width;
    std::copy_n(rules - width, width, rules);
    for (std::size_t i = first; i < end; ++i)
        if (steps_[i].rule >= 0) ++rules[keys_[static_cast<std::size_t>(steps_[i].rule)]];
    float lo = steps_[end - 1].heading, hi = lo;
    for (std::size_t i = end; i-- > first;) {
        lo = std::min(lo, steps_[i].heading);
        hi = std::max(hi, steps_[i].heading);
        within_[i].minTo = lo;
        within_[i].maxTo = hi;
    }
    blockMin_.push_back(within_[end - 1].minFrom);
    blockMax_.push_back(within_[end - 1].maxFrom);
}

void RunTimeline::within(std::size_t i) {
    const TimelineStep& s = steps_[i];
    const unsigned slots = ((1u << s.sensorCount) - 1u) & 0xFFu;
    const unsigned facts = s.facts | (s.rule >= 0 ? 1u << kTurnedBit : 0u);
    Within w;
    std::memcpy(w.n.data() + kCountOn, kBitBytes[s.sensors & slots].data(), 8);
    std::memcpy(w.n.data() + kCountPresent, kBitBytes[slots].data(), 8);
    std::memcpy(w.n.data() + kCountFacts, kBitBytes[facts].data(), 8);
    w.minFrom = w.maxFrom = w.minTo = w.maxTo = s.heading;
    if (i % kTimelineBlock != 0) {
        // A block's counts stay below 256, so the bytes add eight at a time without carries.
        const Within& p = within_[i - 1];
        for (std::size_t k = 0; k < w.n.size(); k += 8) {
            std::uint64_t mine, before;
            std::memcpy(&mine, w.n.data() + k, 8);
            std::memcpy(&before, p.n.data() + k, 8);
            mine += before;
            std::memcpy(w.n.data() + k, &mine, 8);
        }
        w.minFrom = std::min(p.minFrom, s.heading);
        w.maxFrom = std::max(p.maxFrom, s.heading);
    }
    within_[i] = w;
}

void RunTimeline::rebuild() {
    const std::size_t n = steps_.size();
    totals_.assign(1, Totals{});
    ruleTotals_.assign(lines_.size(), 0);
    blockMin_.clear();
    blockMax_.clear();
    within_.resize(n);
    for (std::size_t i = 0; i < n; ++i) within(i);
    for (std::size_t end = kTimelineBlock; end <= n; end += kTimelineBlock) closeBlock(end);
}

void RunTimeline::countsBetween(std::size_t a, std::size_t b, std::array<std::uint32_t, 24>& d) const {
    // The totals before b less those before a, each a block entry and a step's bytes, taken
    // straight from the kept records (a < b, so b > 0).
    const std::array<std::uint32_t, 24>& tb = totals_[(b - 1) / kTimelineBlock].n;
    const std::array<std::uint8_t, 24>& wb = within_[b - 1].n;
    if (a == 0) {
        for (std::size_t k = 0; k < d.size(); ++k) d[k] = tb[k] + wb[k];
        return;
    }
    const std::array<std::uint32_t, 24>& ta = totals_[(a - 1) / kTimelineBlock].n;
    const std::array<std::uint8_t, 24>& wa = within_[a - 1].n;
    for (std::size_t k = 0; k < d.size(); ++k) d[k] = tb[k] - ta[k] + wb[k] - wa[k];
}

std::size_t RunTimeline::slotOf(std::size_t i) const {
    // Steps without a rule count in spare slots, one per step of the block, so that no addition
    // waits on the one before it.
    const int rule = steps_[i].rule;
    return slots_[static_cast<std::size_t>(rule + 1)] + (rule < 0 ? i % kTimelineBlock : 0);
}

void RunTimeline::oneStep(std::size_t a, TimelineSummary& out) const {
    const TimelineStep& s = steps_[a];
    const unsigned slots = ((1u << s.sensorCount) - 1u) & 0xFFu;
    out.steps = 1;
    for (unsigned k = 0; k < 8; ++k) {
        out.on[k] = (s.sensors & slots) >> k & 1u;
        out.present[k] = slots >> k & 1u;
    }
    out.stop = s.facts >> kStopBit & 1u;
    for (std::size_t m = 0; m < kMarkBits.size(); ++m) out.marks[m] = s.facts >> kMarkBits[m] & 1u;
    out.turned = s.rule >= 0;
    out.rule = s.rule >= 0 ? s.rule : -1;
    out.ruleSteps = out.turned;
    out.headingMin = out.headingMax = out.headingLast = s.heading;
}

void RunTimeline::rulesBefore(std::size_t x, std::uint32_t* slots) const {
    const std::size_t block = x / kTimelineBlock, width = lines_.size();
    std::copy_n(ruleTotals_.begin() + static_cast<std::ptrdiff_t>(block * width), width, slots + kSpareSlots);
    for (std::size_t i = block * kTimelineBlock; i < x; ++i) ++slots[slotOf(i)];
}

void RunTimeline::summarise(std::size_t a, std::size_t b, TimelineSummary& out) const {
    const std::size_t width = lines_.size();
    if (scratchA_.size() < width + kSpareSlots) {
        scratchA_.resize(width + kSpareSlots);
        scratchB_.resize(width + kSpareSlots);
    }
    rulesBefore(a, scratchA_.data());
    rulesBefore(b, scratchB_.data());
    difference(scratchA_.data() + kSpareSlots, scratchB_.data() + kSpareSlots, a, b, out);
}

void RunTimeline::summariseRanges(const std::vector<std::pair<std::size_t, std::size_t>>& ranges,
                                  std::vector<TimelineSummary>& out) const {
    const std::size_t width = lines_.size();
    if (scratchA_.size() < width + kSpareSlots) {
        scratchA_.resize(width + kSpareSlots);
        scratchB_.resize(width + kSpareSlots);
    }
    zeros_.resize(width + kSpareSlots, 0u);  // 0 again after every use
    out.resize(ranges.size());
    // The rule counts at the ends of ranges of a block or more in turn: where a range starts at
    // the last one's end, that end serves again.
    std::size_t rulesAt = ~std::size_t{0};
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const auto [a, b] = ranges[i];
        if (a == b) {
            out[i] = TimelineSummary{};
            continue;
        }
        if (i > 0 && ranges[i - 1] == ranges[i]) {
            out[i] = out[i - 1];
            continue;
        }
        if (b == a + 1) {
            oneStep(a, out[i]);
            continue;
        }
        if (b - a < kTimelineBlock) {
            // A short range is cheaper with its rule lines counted step by step.
            for (std::size_t s = a; s < b; ++s) ++zeros_[slotOf(s)];
            difference(nullptr, zeros_.data() + kSpareSlots, a, b, out[i]);
        } else {
            if (a != rulesAt) rulesBefore(a, scratchA_.data());
            rulesBefore(b, scratchB_.data());
            difference(scratchA_.data() + kSpareSlots, scratchB_.data() + kSpareSlots, a, b, out[i]);
            std::swap(scratchA_, scratchB_);
            rulesAt = b;
        }
    }
}

void RunTimeline::difference(const std::uint32_t* ra, std::uint32_t* rb, std::size_t a, std::size_t b,
                             TimelineSummary& out) const {
    std::array<std::uint32_t, 24> d;
    countsBetween(a, b, d);
    out.steps = static_cast<std::uint32_t>(b - a);
    std::copy_n(d.begin() + kCountOn, 8, out.on.begin());
    std::copy_n(d.begin() + kCountPresent, 8, out.present.begin());
    out.stop = d[kCountFacts + kStopBit];
    for (std::size_t m = 0; m < out.marks.size(); ++m) out.marks[m] = d[kCountFacts + kMarkBits[m]];
    out.turned = d[kCountFacts + kTurnedBit];
    out.rule = -1;
    out.ruleSteps = 0;
    if (ra == nullptr) {
        // A short range: the counts of the rules that acted in it, then back to 0 for the next.
        // Count and line in one number (of equal counts the lower line wins), 0 for a step no
        // rule acted in, keep the loop free of branches that the steps would mispredict.
        std::uint32_t* slots = rb - kSpareSlots;
        std::uint32_t best = 0;
        for (std::size_t i = a; i < b; ++i) {
            const int line = steps_[i].rule;
            const std::uint32_t n = slots[slotOf(i)] << 16 | (0xFFFFu - static_cast<std::uint32_t>(line));
            best = std::max(best, line >= 0 ? n : 0u);
        }
        for (std::size_t i = a; i < b; ++i) slots[slotOf(i)] = 0;
        out.ruleSteps = best >> 16;
        if (out.ruleSteps > 0) out.rule = static_cast<int>(0xFFFFu - (best & 0xFFFFu));
    } else {
        // Counts go in line order: of equal counts the lower line, at the lower key, wins. Count
        // and key in one number find both in one pass.
        const std::size_t width = lines_.size();
        std::uint64_t best = 0;
        for (std::size_t key = 0; key < width; ++key)
            best = std::max(best, std::uint64_t{rb[key] - ra[key]} << 32 | (0xFFFFFFFFu - key));
        out.ruleSteps = static_cast<std::uint32_t>(best >> 32);
        if (out.ruleSteps > 0) out.rule = lines_[0xFFFFFFFFu - (best & 0xFFFFFFFFu)];
    }
    headings(a, b, out);
}

void RunTimeline::headings(std::size_t a, std::size_t b, TimelineSummary& out) const {
    // Across blocks: the extremes kept to the end of a's block, of the whole blocks between and
    // from the start of the last step's block; within one block, step by step.
    const std::size_t first = a / kTimelineBlock, last = (b - 1) / kTimelineBlock;
    float lo, hi;
    if (first == last) {
        lo = hi = steps_[a].heading;
        for (std::size_t i = a + 1; i < b; ++i) {
            lo = std::min(lo, steps_[i].heading);
            hi = std::max(hi, steps_[i].heading);
        }
    } else {
        lo = std::min(within_[a].minTo, within_[b - 1].minFrom);
        hi = std::max(within_[a].maxTo, within_[b - 1].maxFrom);
        for (std::size_t j = first + 1; j < last; ++j) {
            lo = std::min(lo, blockMin_[j]);
            hi = std::max(hi, blockMax_[j]);
        }
    }
    out.headingMin = lo;
    out.headingMax = hi;
    out.headingLast = steps_[b - 1].heading;
}

}  // namespace vemrik
