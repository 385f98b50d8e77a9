#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "app/memo.h"
#include "app/program_state.h"
#include "app/stamp.h"
#include "engine/noise.h"
#include "engine/rule_list.h"
#include "engine/rule_table.h"
#include "engine/run_record.h"
#include "engine/run_snapshot.h"
#include "engine/sensing.h"
#include "raster/raster.h"
#include "robot/pose.h"
#include "workspace/workspace.h"

namespace vemrik {

/// The stamps the parts of the work carried at one moment: equal versions, the same work.
struct WorkVersion {
    std::uint64_t robot = 0;
    std::uint64_t track = 0;  // the map's cells and the strokes
    std::uint64_t rules = 0;
    std::uint64_t angles = 0;

    bool operator==(const WorkVersion&) const = default;
};

/// The work a user edits and the run over it, free of any toolkit: every front end (the form,
/// the evaluation, the scenes, the benchmarks) drives this one engine.
///
/// The work is the two boards and the strokes (in state), the rule list and the two angles;
/// the run is the pose, the sensor states and the stop flag (in state), the random source and
/// the run record. What belongs to a window (tool, mouse, page, redraws) is not here.
class Engine {
public:
    /// The fixed seed of the random source, so every start sees the same draws.
    static constexpr std::uint32_t kDefaultSeed = 5489u;

    /// The boards sized and zeroed, as at start-up.
    Engine();

    ProgramState state;
    /// The rule list, first line to last; the step reads it as it stands.
    RuleList rules;
    /// The angle of the rule being written ("Algorytm") and the start heading ("Symulacja").
    int ruleAngle = 0;
    int startHeading = 0;

    std::mt19937 randomEngine{kDefaultSeed};
    std::uint32_t seed = kDefaultSeed;
    /// "Start" restarts the random source from seed.
    bool repeatableRuns = false;
    /// What happened since "Start"; nothing of the run depends on it.
    RunRecord record;

    /// The sensing half of a tick, what a look at the track does before the robot is drawn over
    /// it: the start placement, then the sensing pass over that layer, flipped by the noise if
    /// given. Returns the pose it sensed at.
    PoseTransform placeAndSense(const Raster& trackLayer, NoiseDraws* noise = nullptr);
    /// The stepping half of a tick, from the sensed states: a matching rule or none drawn, the
    /// turn, the move, four log lines, the record. Throws before anything changes when a rule
    /// cannot be read, and NonFiniteStepError, with only the draw spent, when the pose would stop
    /// being finite. Returns the list index of the rule that acted, or kNoRule.
    int step(Memo* log);
    /// "Start": the start heading, the robot released, the record cleared.
    void start();
    /// "Wróć": held on the start cell again with the start heading; the trail forgotten.
    void sendBack();
    /// The random source as after start-up, from the seed in effect.
    void restartDraws() { randomEngine.seed(seed); }

    /// Every edit of the work, once made, is reported by the one of these for its part (the rule
    /// list stamps itself): what was derived from that part is derived again when next read.
    /// Writing state's boards without reporting it leaves the old sample points and track layer.
    void robotEdited() { robotVersion_ = newStamp(); }
    void trackEdited() { trackVersion_ = newStamp(); }
    void anglesEdited() { anglesVersion_ = newStamp(); }
    std::uint64_t robotVersion() const { return robotVersion_; }
    std::uint64_t trackVersion() const { return trackVersion_; }
    WorkVersion workVersion() const { return {robotVersion_, trackVersion_, rules.stamp(), anglesVersion_}; }

    /// The work as a workspace file holds it.
    Workspace work() const;
    /// Takes up this work as right after start-up: the robot held, nothing sensed, no record,
    /// the draws restarted from the seed in effect.
    void load(const Workspace& ws);

    /// The run as a value, to keep and to go on from later.
    RunSnapshot snapshot() const;
    /// Puts back a run kept by snapshot(); the work stays as it is.
    void restore(const RunSnapshot& run);

private:
    /// The engine as a tick sees it; see run_tick.h.
    class Ticked;

    // Fresh stamps, so no two engines start with the same version of different work.
    std::uint64_t robotVersion_ = newStamp();
    std::uint64_t trackVersion_ = newStamp();
    std::uint64_t anglesVersion_ = newStamp();
    SensorSamples samples_;
    RuleTable table_;
};

}  // namespace vemrik
