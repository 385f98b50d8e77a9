#pragma once

#include <array>
#include <cstdint>
#include <random>

#include "app/program_state.h"
#include "engine/run_record.h"

namespace vemrik {

/// What of the program state a step and a sensing pass read and write.
struct RunMoment {
    float x = 0.0f;
    float y = 0.0f;
    float heading = 0.0f;
    std::array<std::int32_t, kSensorSlots> sensors{};
    std::int32_t sensorCount = 0;
    /// Held on the start cell: the next sensing puts the robot there first.
    std::int32_t returnToStart = 0;
    /// The run record holds a stop seen for the next step.
    bool stopPending = false;
    bool operator==(const RunMoment&) const = default;
};

/// The moment the program state holds, with the record's pending stop.
inline RunMoment momentOf(const ProgramState& s, bool stopPending) {
    return {s.RobotPosX,   s.RobotPosY,     s.RobotHeading, s.SensorStates,
            s.SensorCount, s.ReturnToStart, stopPending};
}

/// Puts the moment's pose and sensing back into the program state (the pending stop is the
/// record's).
inline void putMoment(ProgramState& s, const RunMoment& m) {
    s.RobotPosX = m.x;
    s.RobotPosY = m.y;
    s.RobotHeading = m.heading;
    s.SensorStates = m.sensors;
    s.SensorCount = m.sensorCount;
    s.ReturnToStart = m.returnToStart;
}

/// A whole run as one value: the pose and what was last sensed, the random source the rules draw
/// from and the record since "Start". A copy goes on exactly as the run it was taken from would,
/// over the same work. The form's record keeps the pose under its own names, so the engine gives
/// this value out and takes it back rather than holding it in one piece.
struct RunSnapshot {
    RunMoment moment;
    std::mt19937 draws;
    RunRecord record;
};

}  // namespace vemrik
