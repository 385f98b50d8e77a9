#include "engine/work_part.h"

#include "engine/engine.h"

namespace vemrik {

WorkPart partOf(const Engine& e, std::size_t index) {
    const WorkVersion v = e.workVersion();
    switch (index) {
        case 0:
            return RobotPart{e.state().RobotGrid, v.robot};
        case 1:
            return TrackPart{e.state().MapGrid, e.state().StrokeList, v.track};
        case 2:
            return e.rules();
        default:
            return AnglesPart{e.ruleAngle(), e.startHeading(), v.angles};
    }
}

std::uint64_t versionOf(const WorkPart& part) {
    return std::visit(
        [](const auto& p) {
            if constexpr (std::is_same_v<std::decay_t<decltype(p)>, RuleList>)
                return p.stamp();
            else
                return p.version;
        },
        part);
}

std::array<std::uint64_t, kWorkParts> partVersions(const WorkVersion& v) {
    return {v.robot, v.track, v.rules, v.angles};
}

}  // namespace vemrik
