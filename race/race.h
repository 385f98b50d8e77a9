#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/stamp.h"
#include "engine/trail.h"
#include "evaluation/headless_run.h"
#include "raster/colours.h"
#include "workspace/workspace.h"

namespace vemrik {

/// A workspace file handed to a race: its name (shown beside the robot) and its text.
struct EntrantFile {
    std::string name;
    std::string text;
};

/// One robot of a race: a workspace's robot and rules on the race's track, run as vemrik-eval runs
/// it with the race's seed.
struct Entrant {
    std::string name;
    Workspace work;
    Colour colour = kBlack;
    /// The track's setup with this robot and rules; kept in place, the run reads it.
    std::unique_ptr<const RunSetup> setup;
    std::unique_ptr<HeadlessRun> run;
    /// Empty while it runs.
    std::optional<RunResult> result;
    Trail trail;
};

/// Two to six robots on one track, stepping together, each sensing only the track. Every entrant
/// gets the same seed: the same draws for all, so no robot is luckier by its place in the list, and
/// each run is exactly `vemrik-eval --runs 1 --seed S` of its workspace on the race's track.
class Race {
public:
    static constexpr int kFewest = 2;
    static constexpr int kMost = 6;
    /// vemrik-eval's default step limit: past it a run is "no stop".
    static constexpr int kMaxSteps = 5000;
    /// The window's seed at start-up, as vemrik-eval's default.
    static constexpr std::uint32_t kDefaultSeed = 5489;

    /// The track of a workspace (its map, strokes and start heading); the entrants go back to the
    /// start. Why it cannot be raced on (no start cell), or "" when it is set; a refused track
    /// leaves the race as it was.
    std::string setTrack(const Workspace& track);
    /// Adds the files' robots in their order, coloured by their places. Why not, or "": a file
    /// that is no workspace, rules that cannot run, no track yet or more than kMost in all refuse
    /// every file and leave the race as it was.
    std::string add(const std::vector<EntrantFile>& files);
    /// Takes entrant i out; the others keep their colours' order.
    void remove(int i);
    void clear();
    /// Sets the seed; every run starts again.
    void setSeed(std::uint32_t seed);
    /// Every entrant back at the start, its trail cleared.
    void reset();

    /// Why the race cannot step, or "": it needs a track and kFewest entrants.
    std::string refusal() const;
    /// One step of every unfinished entrant, in the order of the list; false, doing nothing, once
    /// all have finished or the race cannot step.
    bool step();
    bool finished() const;

    bool hasTrack() const { return track_ != nullptr; }
    const Workspace& trackWork() const { return trackWork_; }
    const RunSetup* trackSetup() const { return track_.get(); }
    std::uint32_t seed() const { return seed_; }
    /// New whenever the track, the entrants or the seed change or the race starts again; steps
    /// leave it.
    std::uint64_t version() const { return version_; }
    const std::vector<Entrant>& entrants() const { return entrants_; }
    int size() const { return static_cast<int>(entrants_.size()); }
    /// Entrant i's workspace on the race's track: what "Pokaż przebieg" puts into the form.
    Workspace raceWork(int i) const;

    /// The entrants in the finish order: those at the stop by their steps, then the ones still
    /// running, then "no stop", then the lost; the list's order within each.
    std::vector<int> order() const;
    /// The finished runs as CSV, in the list's order: "name," before each row of vemrik-eval's CSV
    /// of the run alone ("run,seed,outcome,steps,x,y,heading", run 0).
    std::string csv() const;

private:
    /// Entrant i with its setup made and its run at the start.
    std::string enter(Entrant& e, const Workspace& work) const;
    void start(Entrant& e) const;

    Workspace trackWork_;
    std::unique_ptr<const RunSetup> track_;
    std::vector<Entrant> entrants_;
    std::uint32_t seed_ = kDefaultSeed;
    std::uint64_t version_ = newStamp();
};

/// The colour of the entrant in place i: six that differ in lightness as well as hue, so that a
/// projector and colour-blind eyes tell them apart (Okabe and Ito's palette).
Colour entrantColour(int i);

}  // namespace vemrik
