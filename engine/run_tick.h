#pragma once

#include <concepts>
#include <cstdint>

#include "engine/noise.h"
#include "engine/rule_candidates.h"
#include "engine/sensing.h"
#include "engine/step.h"

namespace vemrik {

/// The halves of a tick. The window senses when it redraws the Symulacja page and steps when its
/// timer fires, so it asks for one half at a time; a run without a window asks for both.
enum class TickPart : std::uint8_t { Sense = 1, Step = 2, Whole = Sense | Step };

/// How far a tick went.
enum class TickEnd : std::uint8_t {
    Sensed,    ///< the sensing half only
    Stepped,   ///< the robot moved
    NotFinite  ///< the move would leave the finite numbers: nothing moved, the draw is spent
};

/// What a run gives a tick: where it reads the track, where its rules and draws come from, and
/// what it keeps of a step (a record and a log, or nothing).
template <class R>
concept TickedRun = requires(R& r, Sensed sensed, const Candidates& c, int choice, const NextPose& next) {
    r.placeIfHeld();
    { r.sense() } -> std::same_as<Sensed>;
    r.keepSensed(sensed);
    r.beforeStep();
    { r.candidates() } -> std::same_as<const Candidates&>;
    { r.draw() } -> std::same_as<std::uint32_t>;
    { r.next(c, choice) } -> std::same_as<NextPose>;
    r.moveTo(next);
};

/// One tick of a running robot, the only place that orders it for every driver: placed on the
/// start cell if held there, the track sensed, the readings flipped by the noise (null for none),
/// then, told to the run before anything is drawn, one draw choosing a candidate or none, and
/// the move. The candidates are asked for before
/// the draw, so rules that cannot be read stop the step before anything is spent. The part is
/// fixed when compiled, so a half costs nothing for the other.
template <TickPart part, TickedRun R>
TickEnd tick(R& run, NoiseDraws* noise) {
    if constexpr (static_cast<unsigned>(part) & static_cast<unsigned>(TickPart::Sense)) {
        run.placeIfHeld();
        Sensed sensed = run.sense();
        if (noise) sensed.pattern = noise->flipped(sensed.pattern);
        run.keepSensed(sensed);
        if constexpr (part == TickPart::Sense) return TickEnd::Sensed;
    }
    run.beforeStep();
    const Candidates& candidates = run.candidates();
    const NextPose next = run.next(candidates, choiceOf(candidates, run.draw()));
    if (!isFinite(next)) return TickEnd::NotFinite;
    run.moveTo(next);
    return TickEnd::Stepped;
}

/// The order between ticks, the one loop every driver comes through: `steps` steps, each acting
/// on the sensing before it and followed by the sensing at its new pose, except the last when
/// `senseLast` is false (the window senses that when its refresh cycle next redraws). Stops at
/// a step that would leave the finite numbers; returns the steps made.
template <TickedRun R>
std::uint64_t advance(R& run, NoiseDraws* noise, std::uint64_t steps, bool senseLast) {
    for (std::uint64_t i = 0; i < steps; ++i) {
        if (tick<TickPart::Step>(run, noise) == TickEnd::NotFinite) return i;
        if (senseLast || i + 1 < steps) tick<TickPart::Sense>(run, noise);
    }
    return steps;
}

}  // namespace vemrik
