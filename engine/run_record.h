#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/program_state.h"
#include "app/ring.h"
#include "engine/rule_candidates.h"
#include "engine/rule_list.h"
#include "engine/trail.h"

namespace vemrik {

/// Most steps a run record keeps; the oldest go first. 100,000 steps are over five hours at
/// 200 ms a step.
inline constexpr std::size_t kRunRowBound = 100000;

/// Whether a point lies on the drawn map, 700 x 400 pixels from the origin.
bool onDrawnMap(float x, float y);

/// One step as the run record keeps it.
struct RunRow {
    /// Counted from 1 at "Start".
    std::uint64_t step = 0;
    /// The pose the step left.
    float heading = 0.0f;
    float x = 0.0f;
    float y = 0.0f;
    /// The index in the rule list of the rule that acted when it acted, or kNoRule.
    int rule = -1;
    /// The acting rule's text in the record's text table, or -1.
    int ruleText = -1;
    /// Bit k: sensor k was on when the step chose its rule.
    std::uint8_t sensors = 0;
    /// The sensing that this step acted on saw a stop cell.
    bool stop = false;
};

/// The last step's rule, followed through changes of the rule list.
struct LastRule {
    /// False before the first step since "Start".
    bool stepped = false;
    /// The rule's index in the list as it is now; kNoRule when no rule acted or the line is gone.
    int line = -1;
    /// The rule's text as it was when it acted; empty when no rule acted.
    std::string_view text;
};

/// What the program remembers of the run since "Start": the steps (the newest kRunRowBound),
/// the trail, how often each rule line acted and which acted last. It only watches: nothing of
/// the program state depends on it.
class RunRecord {
public:
    /// "Start": forgets everything.
    void clear();
    /// "Wróć": forgets the trail only.
    void clearTrail() { trail_.clear(); }
    /// A sensing pass saw a stop cell; the next step is marked with it.
    void noteStopSeen() { stopSeen_ = true; }
    /// Whether the next step will be marked with a stop seen; set again when a run is replayed.
    bool stopPending() const { return stopSeen_; }
    void keepStopPending(bool seen) { stopSeen_ = seen; }

    /// Records a step that began at (fromX, fromY), left the state `after` and was acted on by
    /// rule `rule` of `rules` (kNoRule for none). Allocates only on the first step, when the
    /// rule list has changed and when a line acts for the first time since "Start".
    void recordStep(float fromX, float fromY, const ProgramState& after, int rule, const RuleList& rules);
    void recordStep(float fromX, float fromY, const ProgramState& after, int rule,
                    const std::vector<std::string>& rules);
    /// recordStep for a list already followed.
    void recordFollowed(float fromX, float fromY, const ProgramState& after, int rule);

    /// Moves hit counts and the last rule along with the rule list when its lines changed:
    /// each line keeps the count of the old line of the same text, taken in order. A list whose
    /// stamp was followed last is not looked at.
    void followList(const RuleList& rules);
    void followList(const std::vector<std::string>& rules);
    void internAll();

    /// Steps since "Start", also those whose rows were dropped.
    std::uint64_t steps() const { return steps_; }
    /// The steps made before the sensing that first saw a stop cell since "Start"; nothing while
    /// none has.
    std::optional<std::uint64_t> stopReachedAt() const;
    /// The step since which the reference point has stayed off the drawn map, or 0 while it is on.
    std::uint64_t offMapSince() const { return offMapSince_; }
    /// How often line i of the list last followed acted since "Start".
    std::uint64_t hits(int line) const;
    LastRule lastRule() const;

    std::size_t rowCount() const { return rows_.size(); }
    /// Kept row i, 0 the oldest.
    const RunRow& row(std::size_t i) const { return rows_[i]; }
    /// The text of the rule a row names; empty for none.
    std::string_view ruleText(const RunRow& r) const;

    const Trail& trail() const { return trail_; }

private:
    /// Index of the text of list line i in the text table, adding it there when new.
    int textOfLine(int line);

    Ring<RunRow> rows_{kRunRowBound};
    std::uint64_t steps_ = 0;

    // Aligned with the rule list as last followed.
    std::vector<std::string> lines_;
    std::uint64_t stamp_ = 0;  // of the list followed last, 0 when given as lines
    std::vector<std::uint64_t> hits_;
    std::vector<int> lineTexts_;
    // Every rule text that acted since "Start".
    std::vector<std::string> texts_;

    bool stepped_ = false;
    int lastLine_ = -1;
    int lastText_ = -1;
    bool stopSeen_ = false;
    std::optional<std::uint64_t> stopStep_;
    std::uint64_t offMapSince_ = 0;
    Trail trail_;
};

}  // namespace vemrik
