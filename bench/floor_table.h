#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

namespace vemrik::bench {

/// The name of the floor every other figure is divided by.
inline constexpr const char* kFloorName = "Floor/fill";
/// The name of the QPainter peer.
inline constexpr const char* kPeerName = "Peer/QPainter_busy_map_and_robot";

/// The console report, followed by a table of every figure as a multiple of the floor, so one
/// run gives the ratios the targets are written in. With repetitions the medians are used.
class FloorTableReporter : public benchmark::ConsoleReporter {
public:
    /// Also prints figure / reference, when both ran.
    void compare(std::string figure, std::string reference);
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Figure {
        std::string name;
        double seconds;  // CPU time per iteration
    };
    const Figure* find(const std::string& name) const;

    std::vector<Figure> figures_;
    std::vector<std::pair<std::string, std::string>> comparisons_;
};

}  // namespace vemrik::bench
