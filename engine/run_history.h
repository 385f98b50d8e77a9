#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "app/grid.h"
#include "app/program_state.h"
#include "raster/raster.h"

namespace vemrik {

class Engine;

/// Most steps since "Start" that can be shown again; a longer run ends its history. Replaying
/// them all takes a small part of a second.
inline constexpr std::uint64_t kHistoryBound = 100000;

/// Why a run has no history to go back over.
enum class HistoryEnd { NotStarted, Edited, TooLong, SentBack };

/// What of the program state a step and a sensing pass read and write.
struct RunMoment {
    float x = 0.0f;
    float y = 0.0f;
    float heading = 0.0f;
    std::array<std::int32_t, kSensorSlots> sensors{};
    std::int32_t sensorCount = 0;
    std::int32_t returnToStart = 0;
    /// The run record holds a stop seen for the next step.
    bool stopPending = false;
    bool operator==(const RunMoment&) const = default;
};

/// The steps since "Start", kept as the state and random source at "Start" plus the moments
/// where the run left the plain path of one sensing pass before each step (a heading or check
/// box changed, a step without a redraw, a second redraw after a stop). Any step is shown again
/// by replaying the engine's own sensing and steps from "Start", so the run record follows too.
/// Nothing of the run depends on it until a step is shown again.
class RunHistory {
public:
    /// "Start": the run begins from the engine as it is now.
    void begin(const Engine& e);
    /// Forgets the run, for this reason.
    void end(HistoryEnd why);
    /// Forgets the run and why it ended, as at start-up: a file opened has no history to miss.
    void forget();
    /// Ends the history when the robot, the map or the rules are not those of "Start"; returns
    /// whether it is still going.
    bool follow(const Engine& e);

    /// Around a redraw's sensing pass: notes what the pass did after the last step.
    void beforeSensing(const ProgramState& s);
    void sensed(const Engine& e);
    /// Before a step: a step from an earlier shown step forgets the later ones, and a state off
    /// the plain path is kept.
    void beforeStep(const Engine& e);
    /// After a step that succeeded.
    void stepped(const Engine& e);

    /// Puts the engine, its random source and its run record at step `step` (0 is "Start") by
    /// replaying over `track`, the painted track layer; a step outside 0 .. steps() does nothing.
    void show(Engine& e, const Raster& track, std::uint64_t step);

    bool active() const { return active_; }
    /// Why there is no history; meaningful while not active().
    HistoryEnd endedBy() const { return why_; }
    /// Steps that can be shown, and the one shown now.
    std::uint64_t steps() const { return steps_; }
    std::uint64_t shown() const { return shown_; }

private:
    struct Kept {
        std::uint64_t before;  // the moment before step before + 1
        RunMoment moment;
    };

    bool active_ = false;
    HistoryEnd why_ = HistoryEnd::NotStarted;
    RunMoment start_;
    std::mt19937 startDraws_;
    Grid robot_, map_, strokes_;
    std::vector<std::string> rules_;
    std::vector<Kept> kept_;
    std::uint64_t steps_ = 0;
    std::uint64_t shown_ = 0;

    RunMoment afterStep_;
    bool awaitingSense_ = false;
    bool firstSense_ = false;
    RunMoment expected_;
    bool expectedValid_ = false;
};

}  // namespace vemrik
