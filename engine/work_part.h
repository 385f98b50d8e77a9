#pragma once

#include <array>
#include <cstdint>
#include <variant>

#include "app/grid.h"
#include "engine/rule_list.h"

namespace vemrik {

class Engine;
struct WorkVersion;

struct RobotPart {
    Grid grid;
    std::uint64_t version = 0;
};

/// The map's cells and the strokes.
struct TrackPart {
    Grid map;
    Grid strokes;
    std::uint64_t version = 0;
};

struct AnglesPart {
    int ruleAngle = 0;
    int startHeading = 0;
    std::uint64_t version = 0;
};

/// One part of the work as it stood, with the stamp it carried then (the rule list carries its
/// own): what an edit history keeps to put the part back. The alternatives are in the order of
/// WorkVersion's fields.
using WorkPart = std::variant<RobotPart, TrackPart, RuleList, AnglesPart>;
inline constexpr std::size_t kWorkParts = std::variant_size_v<WorkPart>;

/// Part `index` (a WorkPart alternative) of the engine's work as it stands.
WorkPart partOf(const Engine& e, std::size_t index);
std::uint64_t versionOf(const WorkPart& part);
/// The four stamps of a version, in the order of the WorkPart alternatives.
std::array<std::uint64_t, kWorkParts> partVersions(const WorkVersion& v);

}  // namespace vemrik
