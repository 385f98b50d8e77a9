#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "app/grid.h"
#include "app/program_state.h"
#include "engine/engine.h"
#include "engine/rule_list.h"
#include "engine/run_snapshot.h"

namespace vemrik {

/// Most steps since "Start" that can be shown again; a longer run ends its history.
inline constexpr std::uint64_t kHistoryBound = 100000;

/// Why a run has no history to go back over.
enum class HistoryEnd { NotStarted, Edited, TooLong, SentBack };

/// The steps since "Start", kept as the state after each step (with where the step began, the
/// rule that acted and whether a stop had been seen) and the random source at every
/// kDrawsInterval-th step. Showing a step puts that state back, winds the random source on from
/// the nearest kept one and rebuilds the run record from the kept steps, so no sensing or step
/// is done again: any step of a run at the bound is shown within a few milliseconds. Memory:
/// sizeof(KeptStep) (72 bytes) a step, some 7 MB at the bound, and 5 kB per kept random source.
/// Nothing of the run depends on it until a step is shown again. It observes the engine's steps
/// (Engine::observe).
class RunHistory final : public StepObserver {
public:
    /// Steps between two kept random sources; winding on from one costs a few microseconds.
    static constexpr std::uint64_t kDrawsInterval = 4096;

    /// "Start": the run begins from the engine as it is now.
    void begin(const Engine& e);
    /// Forgets the run, for this reason.
    void end(HistoryEnd why);
    /// Forgets the run and why it ended, as at start-up: a file opened has no history to miss.
    void forget();
    /// Ends the history when the robot, the map or the rules were edited since "Start" (their
    /// versions moved, even if an edit was undone by hand); returns whether it is still going.
    bool follow(const Engine& e);

    /// Before a step: a step from an earlier shown step forgets the later ones.
    void beforeStep(const Engine& e) override;
    /// After a step that succeeded.
    void stepped(const Engine& e) override;

    /// Puts the engine, its random source and its run record at step `step` (0 is "Start"); a
    /// step outside 0 .. steps() does nothing.
    void show(Engine& e, std::uint64_t step);

    bool active() const { return active_; }
    /// Why there is no history; meaningful while not active().
    HistoryEnd endedBy() const { return why_; }
    /// Steps that can be shown, and the one shown now.
    std::uint64_t steps() const { return steps_; }
    std::uint64_t shown() const { return shown_; }

private:
    struct KeptStep {
        RunMoment after;
        float fromX = 0.0f, fromY = 0.0f;
        int rule = -1;
        bool stop = false;  // the record's stop seen before the step
    };
    /// The random source before step `step` + 1. Every step draws once, so the source of any
    /// later step is this one wound on; a step that failed (and may have drawn) keeps its own.
    struct KeptDraws {
        std::uint64_t step;
        std::mt19937 draws;
    };

    void keepDraws(std::uint64_t step, const std::mt19937& draws);

    bool active_ = false;
    HistoryEnd why_ = HistoryEnd::NotStarted;
    RunMoment start_;
    // The versions of the robot and the track at "Start" and the rules (with their stamp): an
    // edit of any ends the history.
    std::uint64_t robot_ = 0, track_ = 0;
    RuleList rules_;
    std::vector<KeptStep> kept_;
    std::vector<KeptDraws> draws_;
    std::uint64_t steps_ = 0;
    std::uint64_t shown_ = 0;
    float fromX_ = 0.0f, fromY_ = 0.0f;
    // A step was tried and has not succeeded yet.
    bool attempted_ = false;
};

}  // namespace vemrik
