#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace vemrik::bench {

/// The name of the floor every other figure is divided by.
inline constexpr const char* kFloorName = "Floor/fill";
/// The name of the QPainter peer.
inline constexpr const char* kPeerName = "Peer/QPainter_busy_map_and_robot";

/// The counter holding the steps of one iteration, for benchmarks that count steps.
inline constexpr const char* kStepsCounter = "steps";

/// The threads of the all-cores figures: one per core.
inline int allCores() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

/// The console report, followed by a table of every figure as a multiple of the floor, so one
/// run gives the ratios the targets are written in. With repetitions the medians are used.
/// Figures that count steps get a second table: steps per CPU second, per second of the wall
/// clock, and one step as a multiple of the floor.
class FloorTableReporter : public benchmark::ConsoleReporter {
public:
    /// Also prints figure / reference, when both ran.
    void compare(std::string figure, std::string reference);
    /// Also prints the steps per second and per CPU second of figure against reference.
    void compareSteps(std::string figure, std::string reference);
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Figure {
        std::string name;
        double seconds;      // CPU time per iteration
        double wallSeconds;  // real time per iteration
        double steps;        // steps per iteration, 0 for a figure that counts none
    };
    const Figure* find(const std::string& name) const;

    std::vector<Figure> figures_;
    std::vector<std::pair<std::string, std::string>> comparisons_;
    std::vector<std::pair<std::string, std::string>> stepComparisons_;
};

}  // namespace vemrik::bench
