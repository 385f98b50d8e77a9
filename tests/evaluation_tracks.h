#pragma once

#include "app/program_state.h"
#include "workspace/workspace.h"

namespace evaltest {

/// Straight up to a row of stop cells at row 5 (pixels 50 .. 59), no rules. Heading 0 keeps every
/// pose exact: each step moves by exactly (0, -3), so after n steps from the start cell [10][35]
/// the robot stands at (105, 355 - 3n). Sensor A on robot cell [10][5] samples pixel rows
/// 309 - 3n and 311 - 3n: a stop pixel (rows 57 and 59) after 84 steps, after 83 rows 60 and 62.
inline vemrik::Workspace straightTrack() {
    vemrik::Workspace ws;
    ws.robot.at(10, 5) = vemrik::kSensor;
    ws.map.at(10, 35) = vemrik::kStart;
    for (int x = 9; x <= 12; ++x) ws.map.at(x, 5) = vemrik::kStop;
    return ws;
}

inline constexpr int kStraightSteps = 84;

/// The straight track without its stop and with a rule that turns on the map for ever: every run
/// goes on to its step limit.
inline vemrik::Workspace endlessTrack() {
    vemrik::Workspace ws = straightTrack();
    for (int x = 9; x <= 12; ++x) ws.map.at(x, 5) = vemrik::kMapEmpty;
    ws.rules = {"0 0 0 0 0 0 0 0 10"};
    return ws;
}

}  // namespace evaltest
