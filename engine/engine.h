#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <utility>
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
#include "engine/work_part.h"
#include "raster/raster.h"
#include "robot/pose.h"
#include "workspace/workspace.h"

namespace vemrik {

class Engine;

/// The stamps the parts of the work carried at one moment: equal versions, the same work.
struct WorkVersion {
    std::uint64_t robot = 0;
    std::uint64_t track = 0;  // the map's cells and the strokes
    std::uint64_t rules = 0;
    std::uint64_t angles = 0;

    bool operator==(const WorkVersion&) const = default;
};

/// Told of every step the engine makes, before it (nothing is drawn yet) and after it succeeded.
class StepObserver {
public:
    virtual void beforeStep(const Engine& e) = 0;
    virtual void stepped(const Engine& e) = 0;

protected:
    ~StepObserver() = default;
};

/// The engine's run as one value besides the pose and senses, which the form names in the
/// program state: whether the run timer is on, the random source with its seed, and the record.
struct LiveRun {
    /// The run timer is on; the form's timer control mirrors it.
    bool running = false;
    std::uint32_t seed = 5489u;
    /// "Start" restarts the random source from seed.
    bool repeatable = false;
    std::mt19937 draws{5489u};
    /// What happened since "Start"; nothing of the run depends on it.
    RunRecord record;
};

/// The work a user edits and the run over it, free of any toolkit: every front end (the form,
/// the evaluation, the scenes, the benchmarks) drives this one engine.
///
/// The work is the two boards and the strokes (in state()), the rule list and the two angles;
/// it changes only through the edits below, each of which moves the version of its part when
/// it changed something. The run is the pose, the sensor states and the stop flag (in state())
/// and the LiveRun. What belongs to a window (tool, mouse, page, redraws) is not here.
class Engine {
public:
    /// The fixed seed of the random source, so every start sees the same draws.
    static constexpr std::uint32_t kDefaultSeed = 5489u;

    /// The boards sized and zeroed, as at start-up.
    Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    const ProgramState& state() const { return state_; }
    /// The rule list, first line to last; the step reads it as it stands.
    const RuleList& rules() const { return rules_; }
    /// The angle of the rule being written ("Algorytm") and the start heading ("Symulacja").
    int ruleAngle() const { return ruleAngle_; }
    int startHeading() const { return startHeading_; }
    const LiveRun& run() const { return run_; }
    const RunRecord& record() const { return run_.record; }
    std::uint32_t seed() const { return run_.seed; }
    bool repeatableRuns() const { return run_.repeatable; }
    bool running() const { return run_.running; }

    // Edits of the work. `edit` gets the program state and returns whether it changed the part
    // named; the part's version moves then, and also when the edit throws, since it may have
    // written before failing.
    template <class Edit>
    bool editRobot(Edit&& edit) {
        return stamped(robotVersion_, std::forward<Edit>(edit));
    }
    /// The map's cells and the strokes; also the brush anchor, which is no part of the work.
    template <class Edit>
    bool editTrack(Edit&& edit) {
        return stamped(trackVersion_, std::forward<Edit>(edit));
    }
    /// Puts the track back as it was at `version`, an earlier version of this engine's track with
    /// nothing edited after the change `edit` takes back; the version is that one again, so work
    /// saved before the change is not modified by it.
    template <class Edit>
    void revertTrack(std::uint64_t version, Edit&& edit) {
        edit(state_);
        trackVersion_ = version;
    }
    void setRuleAngle(int angle);
    /// The heading slider moved: the start heading, and the robot turned to it.
    void setStartHeading(int heading);
    void addRule(std::string_view line);
    /// Deletes line i; an index outside the list deletes nothing.
    void deleteRule(int i);
    void setRules(RuleList rules);
    /// Puts a part of the work back as this engine's work held it at the part's version, and
    /// that version with it, so work saved then is not modified. The rest of the work and the
    /// run stay; a start heading put back turns the robot as the heading slider does.
    void putBack(const WorkPart& part);

    // The run.
    void setSeed(std::uint32_t seed) { run_.seed = seed; }
    void setRepeatableRuns(bool on) { run_.repeatable = on; }
    /// Sensor `sensor` (0 .. 7) set as a box on "Algorytm" ticks it.
    void setSensorState(int sensor, bool on);
    /// Told before and after every step; null for none. It must outlive the engine's steps.
    void observe(StepObserver* observer) { observer_ = observer; }

    /// The sensing half of a tick, what a look at the track does before the robot is drawn over
    /// it: the start placement, then the sensing pass over that layer, flipped by the noise if
    /// given. Returns the pose it sensed at.
    PoseTransform placeAndSense(const Raster& trackLayer, NoiseDraws* noise = nullptr);
    /// `steps` steps in the order of advance() (engine/run_tick.h): each acts on the last
    /// sensing and is followed by the sensing over `track`, except the last when `senseLast` is
    /// false or there is no track (a window senses when it next redraws). Each step: a matching
    /// rule or none drawn, the turn, the move, four log lines, the record. Throws before
    /// anything changes when a rule cannot be read, and NonFiniteStepError, with only the draw
    /// spent, when the pose would stop being finite. Returns the list index of the rule that
    /// acted last, or kNoRule.
    int advance(std::uint64_t steps, Memo* log, const Raster* track = nullptr, NoiseDraws* noise = nullptr,
                bool senseLast = false);
    /// A noisy robot's start: the pose moved by the noise's first draws.
    void moveStart(NoiseDraws& noise) {
        noise.moveStart(state_.RobotPosX, state_.RobotPosY, state_.RobotHeading);
    }
    /// "Start": the start heading, the robot released, the record cleared.
    void start();
    /// "Wróć": held on the start cell again with the start heading; the trail forgotten.
    void sendBack();
    /// The random source as after start-up, from the seed in effect.
    void restartDraws() { run_.draws.seed(run_.seed); }
    /// "Włącz": the run timer on, only when the robot is not held.
    void switchOn();
    /// "Wyłącz": the run timer off and the robot held.
    void switchOff();
    /// The run timer off; the robot stays where it is.
    void stopRunning() { run_.running = false; }
    /// Before a timed step: a held robot switches the run timer off. The step still comes.
    void stopIfHeld();

    std::uint64_t robotVersion() const { return robotVersion_; }
    std::uint64_t trackVersion() const { return trackVersion_; }
    WorkVersion workVersion() const { return {robotVersion_, trackVersion_, rules_.stamp(), anglesVersion_}; }

    /// The work as a workspace file holds it.
    Workspace work() const;
    /// Takes up this work as right after start-up: the robot held, nothing sensed, no record,
    /// the draws restarted from the seed in effect, the run timer off.
    void load(const Workspace& ws);

    /// The run as a value, to keep and to go on from later.
    RunSnapshot snapshot() const;
    /// Puts back a run kept by snapshot(); the work stays as it is.
    void restore(RunSnapshot run);
    /// Lets `rewrite` change the run as a value in place, without copying the record.
    template <class Rewrite>
    void rewriteRun(Rewrite&& rewrite) {
        RunSnapshot run{momentOf(state_, run_.record.stopPending()), run_.draws, std::move(run_.record)};
        rewrite(run);
        restore(std::move(run));
    }

private:
    /// The engine as a tick sees it; see run_tick.h.
    class Ticked;

    template <class Edit>
    bool stamped(std::uint64_t& version, Edit&& edit) {
        bool changed = true;
        struct Stamp {
            std::uint64_t& version;
            const bool& changed;
            ~Stamp() {
                if (changed) version = newStamp();
            }
        } stamp{version, changed};
        changed = edit(state_);
        return changed;
    }

    ProgramState state_;
    RuleList rules_;
    int ruleAngle_ = 0;
    int startHeading_ = 0;
    LiveRun run_;
    StepObserver* observer_ = nullptr;

    // Fresh stamps, so no two engines start with the same version of different work.
    std::uint64_t robotVersion_ = newStamp();
    std::uint64_t trackVersion_ = newStamp();
    std::uint64_t anglesVersion_ = newStamp();
    SensorSamples samples_;
    RuleTable table_;
};

}  // namespace vemrik
