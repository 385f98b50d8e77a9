#pragma once

// Tracks whose runs can be worked out by hand. Heading 0 keeps every pose exact: the step moves
// by exactly (0, -3) (3 cos(-pi/2 as a float) is far below half a unit in the last place of x),
// the pose transform only shifts, so after n steps from the start cell [10][35] the robot stands
// at (105, 355 - 3n). Sensor A on robot cell [10][5] samples the robot-frame square (4, -46) ..
// (6, -44): pixel columns 109 and 111, rows 309 - 3n and 311 - 3n.

#include "app/program_state.h"
#include "workspace/workspace.h"

namespace evaltest {

/// Straight up to a row of stop cells at row 5 (pixels 50 .. 59), no rules: A first reads a
/// stop pixel after 84 steps (rows 57 and 59); after 83 it reads rows 60 and 62. Always a success.
inline vemrik::Workspace straightTrack() {
    vemrik::Workspace ws;
    ws.robot.at(10, 5) = vemrik::kSensor;
    ws.map.at(10, 35) = vemrik::kStart;
    for (int x = 9; x <= 12; ++x) ws.map.at(x, 5) = vemrik::kStop;
    return ws;
}

/// Steps until the stop on the straight track.
inline constexpr int kStraightSteps = 84;

/// A junction reached once. Sensor B on robot cell [14][5] samples columns 149 and 151 at A's
/// rows. A reads the line cells [10][20] and [11][20] (pixel rows 200 .. 209) after 34 .. 37
/// steps, B reads [14][19] and [15][19] (rows 190 .. 199) after 37 .. 40 steps: both are on only
/// after step 37. The one rule "1 1 0 0 0 0 0 0 90" is then the one candidate, drawn with
/// probability 1/2.
/// - Drawn: step 38 turns right; the robot runs along y = 244 with both sensors 44 .. 46 pixels
///   ahead, so after 37 + k steps they read columns 149 + 3k and 151 + 3k: the stop column 60
///   (pixels 600 .. 609, rows 200 .. 309 cover both sensors' rows 248 .. 250 and 288 .. 290) is
///   reached at k = 150, step 187.
/// - Not drawn: it goes on up and is lost once y < -1 - 70.71 (the cell [14][5] reaches
///   sqrt(50^2 + 50^2) from the reference point): y = -74 after step 143; after 142, y = -71.
inline vemrik::Workspace junctionTrack() {
    vemrik::Workspace ws;
    ws.robot.at(10, 5) = vemrik::kSensor;
    ws.robot.at(14, 5) = vemrik::kSensor;
    ws.map.at(10, 35) = vemrik::kStart;
    ws.map.at(10, 20) = ws.map.at(11, 20) = vemrik::kLine;
    ws.map.at(14, 19) = ws.map.at(15, 19) = vemrik::kLine;
    for (int y = 20; y <= 30; ++y) ws.map.at(60, y) = vemrik::kStop;
    ws.rules = {"1 1 0 0 0 0 0 0 90"};
    return ws;
}

inline constexpr int kJunctionSuccessSteps = 187;
inline constexpr int kJunctionLostSteps = 143;

}  // namespace evaltest
