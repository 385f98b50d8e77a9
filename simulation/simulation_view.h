#pragma once

#include <algorithm>

#include "app/program_state.h"
#include "engine/engine.h"
#include "engine/trail.h"
#include "raster/raster.h"
#include "robot/pose.h"
#include "simulation/track_cache.h"

namespace vemrik {

/// Pen width of the robot's outlines and sensor marks.
inline constexpr int kRobotPenWidth = 2;

/// Robot board cells, columns x1 .. x2 by rows y1 .. y2; none when x1 > x2.
struct CellBox {
    int x1 = 1, y1 = 1, x2 = 0, y2 = 0;
    void take(int x, int y) {
        const bool none = x1 > x2;
        x1 = none ? x : std::min(x1, x);
        x2 = none ? x : std::max(x2, x);
        y1 = none ? y : std::min(y1, y);
        y2 = none ? y : std::max(y2, y);
    }
};

/// The cells drawRobot outlines (their marks lie inside them): a double sensor in the last
/// drawn column reaches the column beyond.
CellBox drawnCells(const Grid& robot);

/// Every pixel the robot's cells at this pose can have been drawn on: the corners of their box
/// carried onto the map, widened by the pen's reach and a pixel for rounding.
Area robotArea(const PoseTransform& pose, const CellBox& cells);

/// The map as the sensors see it: white background over the whole image, the brush strokes,
/// then the map cells over them.
void paintTrack(const ProgramState& s, Raster& image);

/// The robot at the pose, drawn over the image: cell outlines (body and sensors grey, wheels
/// black) and the mark of each sensor that has a state, green when it is on and red when off.
void drawRobot(const ProgramState& s, const PoseTransform& pose, Raster& image);

/// One whole painting of the simulation page: the track, then the robot where the engine has it
/// with a 2-pixel pen; pen width 0 left behind. Placing and sensing come before, apart.
void paintSimulationView(const Engine& engine, Raster& image);

/// The same painting with the track layer kept in the cache between redraws: every pixel as
/// paintSimulationView(engine, image) leaves it, at about one copy of the robot's surroundings
/// while the track stays the same.
void paintSimulationView(const Engine& engine, Raster& image, TrackCache& cache);

/// Orange: neither line grey nor stop red, so no sensor could react to it even if it saw it.
inline constexpr Colour kTrailColour = 0x0080FF;

/// Draws the trail as one-pixel lines in kTrailColour over the image; the pen's colour and width
/// are left as they were.
void drawTrail(const Trail& trail, Raster& image);

}  // namespace vemrik
