#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/run_record.h"

namespace vemrik {

/// Steps between two kept running totals.
inline constexpr std::size_t kTimelineBlock = 16;

/// What a step saw or did, as bits of TimelineStep::facts. The first three come with the step;
/// the time line adds the last three from the step before.
enum TimelineFact : std::uint8_t {
    kFactOffMap = 1,      ///< the step left the robot's reference point outside the image
    kFactStopSignal = 2,  ///< the sensing the step acted on saw a stop cell
    kFactNoRule = 4,      ///< no rule line has the pattern the step acted on
    kFactLeft = 8,        ///< off the image after a step on it
    kFactBack = 16,       ///< on the image after a step off it
    kFactStopped = 32,    ///< the stop signal came on
    /// the body came over a stop cell no sensor touches (from the feed); bit 6 is where the totals
    /// count the steps a rule turned in
    kFactUnseenStop = 128,
};

/// The marks of the chart, in lane order, as facts.
inline constexpr std::array<std::uint8_t, 5> kMarkFacts = {kFactLeft, kFactBack, kFactNoRule, kFactStopped,
                                                           kFactUnseenStop};

/// One step as the time line takes it: a plain list of these (from a run record, a replay or a
/// file) feeds it.
struct TimelineStep {
    /// The heading the step left, in degrees.
    float heading = 0.0f;
    /// A digest of the pose the step left, so a new run is told from the one shown.
    std::uint32_t pose = 0;
    /// The rule list line that acted, -1 for none ("prosto").
    std::int16_t rule = -1;
    /// Bit k: sensor slot k read 1.
    std::uint8_t sensors = 0;
    /// How many sensors the robot had; slots from here on are absent.
    std::uint8_t sensorCount = 0;
    /// TimelineFact bits.
    std::uint8_t facts = 0;
};

/// A digest of the pose a row left.
std::uint32_t poseDigest(const RunRow& row);

/// The step a run record row holds, over an image of this size; `ruleMatched` tells whether any
/// line had the row's pattern.
TimelineStep timelineStepOf(const RunRow& row, int sensorCount, bool ruleMatched, int width, int height);

/// What the steps of one range add up to.
struct TimelineSummary {
    std::uint32_t steps = 0;
    /// Steps in which the robot had a slot k, and in which it read 1 there.
    std::array<std::uint32_t, 8> on{};
    std::array<std::uint32_t, 8> present{};
    std::uint32_t stop = 0;
    /// Steps with each mark of kMarkFacts.
    std::array<std::uint32_t, kMarkFacts.size()> marks{};
    /// Steps in which some rule acted; the rule that acted most (ties: the lower line) and how
    /// often; -1 and 0 when none did.
    std::uint32_t turned = 0;
    int rule = -1;
    std::uint32_t ruleSteps = 0;
    float headingMin = 0.0f;
    float headingMax = 0.0f;
    /// The heading of the range's last step.
    float headingLast = 0.0f;
};

/// The steps of a run since "Start", running totals every kTimelineBlock steps and each step's
/// counts and heading extremes within its block, so the sum of any range costs one subtraction,
/// the rule lines of a few steps at its ends and one look at each block between.
/// Appending allocates only on the first step and when a rule line acts for the first time.
class RunTimeline {
public:
    /// The most steps kept; at the bound the older half is dropped.
    static constexpr std::size_t kCapacity = 2 * kRunRowBound;

    RunTimeline() { clear(); }

    /// Forgets every step; the next one appended is the run's step `firstStep`. The heading is
    /// known again.
    void clear(std::uint64_t firstStep = 1);
    /// A robot's log has no heading: its steps keep 0 there, which must not be shown as one.
    void setHeadingKnown(bool known);
    bool headingKnown() const { return headingKnown_; }
    void append(TimelineStep step);
    /// Keeps the first `count` steps.
    void truncate(std::size_t count);

    std::size_t size() const { return steps_.size(); }
    /// Grows with every change, so a view knows when to paint again.
    std::uint64_t version() const { return version_; }
    /// The run's step number of kept step 0 (1 unless older steps were dropped).
    std::uint64_t firstStep() const { return firstStep_; }
    const TimelineStep& step(std::size_t i) const { return steps_[i]; }
    /// The lines that acted, in order.
    const std::vector<int>& rules() const { return lines_; }

    /// The sum of kept steps a .. b - 1 (a < b <= size()).
    void summarise(std::size_t a, std::size_t b, TimelineSummary& out) const;
    /// The sums of ranges in step order, as pixel columns have them: where one range ends at the
    /// next one's start, its end totals serve again; a repeated range is copied; an empty one
    /// (a == b) sums to nothing.
    void summariseRanges(const std::vector<std::pair<std::size_t, std::size_t>>& ranges,
                         std::vector<TimelineSummary>& out) const;

private:
    /// Counts of steps 0 .. block * kTimelineBlock - 1, by kCount*: plain arrays, so that adding
    /// and subtracting them vectorises.
    struct Totals {
        std::array<std::uint32_t, 24> n{};
    };

    /// Counts of the steps from the block's start to this one, by kCount*, and the heading
    /// extremes from the block's start to this step and from it to the block's end.
    struct Within {
        std::array<std::uint8_t, 24> n{};
        float minFrom = 0.0f, maxFrom = 0.0f, minTo = 0.0f, maxTo = 0.0f;
    };

    int keyOf(int line);
    void addKey(int line);
    /// Keeps the totals of the block ending before step `end`.
    void closeBlock(std::size_t end);
    static constexpr std::size_t kSpareSlots = kTimelineBlock;
    /// Where step i counts in a row of rule counts with kSpareSlots before it.
    std::size_t slotOf(std::size_t i) const;
    /// The summary of the one step a.
    void oneStep(std::size_t a, TimelineSummary& out) const;
    /// The within-block record of step i, given the one before it.
    void within(std::size_t i);
    /// The counts of steps a .. b - 1 (a < b), by kCount*.
    void countsBetween(std::size_t a, std::size_t b, std::array<std::uint32_t, 24>& d) const;
    /// Rule counts of steps 0 .. x - 1, into `slots` + kSpareSlots by key; the spare slots before
    /// take the steps no rule acted in.
    void rulesBefore(std::size_t x, std::uint32_t* slots) const;
    /// The lowest and highest heading of steps a .. b - 1.
    void headings(std::size_t a, std::size_t b, TimelineSummary& out) const;
    void rebuild();
    /// The summary of a .. b - 1 from the rule counts before a and before b; with no counts
    /// before a, those of `rb` are of the range alone and are set back to 0.
    void difference(const std::uint32_t* ra, std::uint32_t* rb, std::size_t a, std::size_t b,
                    TimelineSummary& out) const;

    std::vector<TimelineStep> steps_;
    std::vector<Within> within_;
    // Entry j: the counts of steps 0 .. j * kTimelineBlock - 1.
    std::uint64_t firstStep_ = 1;
    std::uint64_t version_ = 0;
    bool headingKnown_ = true;
    std::vector<Totals> totals_;
    // Rule counts by key, a row of lines_.size() per entry of totals_; key i is line lines_[i].
    std::vector<std::uint32_t> ruleTotals_;
    std::vector<float> blockMin_, blockMax_;
    std::vector<int> lines_;
    std::vector<std::int16_t> keys_;    // by line, -1 for a line that never acted
    std::vector<std::uint32_t> slots_;  // by line + 1: key + kSpareSlots, 0 for no line
    mutable std::vector<std::uint32_t> scratchA_, scratchB_, zeros_;
};

}  // namespace vemrik
