#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/program_state.h"
#include "engine/rule_candidates.h"
#include "engine/rule_list.h"

namespace vemrik {

/// Sensor patterns, one bit per state: bit k is SensorStates[k].
inline constexpr int kPatternCount = 1 << kSensorSlots;

/// The pattern of sensor states; any state other than 0 counts as on.
int patternOf(const std::array<std::int32_t, kSensorSlots>& states);

/// The pattern a rule line is for, or -1 when its first 16 characters are no pattern the sensing
/// can produce: such a line never matches, and no step reads its angle.
int rulePattern(std::string_view line);

/// The candidates of every sensor pattern, read once from the rule list instead of at every step:
/// the first four lines of a pattern in list order. A line whose angle a step would read and
/// cannot is kept as that pattern's fault and raised only when a step reaches the pattern.
class RuleTable {
public:
    /// Reads the list again when its stamp differs from the one last read; allocates only then.
    void follow(const RuleList& rules);
    /// Reads these lines.
    void follow(const std::vector<std::string>& rules);
    /// The candidates for a pattern. Throws ConversionError as a step reading the list would.
    const Candidates& candidates(int pattern) const {
        const auto p = static_cast<std::size_t>(pattern);
        if (fault_[p] >= 0) readFault(fault_[p]);
        return candidates_[p];
    }
    /// The list index of the first line whose angle some pattern reads and cannot, or -1.
    int firstFault() const;

private:
    /// Reads the angle of line `line` as a step would, which throws.
    void readFault(int line) const;

    std::vector<std::string> rules_;
    bool stamped_ = false;  // stamp_ is that of the lines read
    std::uint64_t stamp_ = 0;
    std::array<Candidates, kPatternCount> candidates_{};
    std::array<int, kPatternCount> fault_{};
};

}  // namespace vemrik
