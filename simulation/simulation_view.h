#pragma once

#include "app/program_state.h"
#include "engine/engine.h"
#include "engine/trail.h"
#include "raster/raster.h"
#include "robot/pose.h"
#include "simulation/track_cache.h"

namespace vemrik {

/// Pen width of the robot's outlines and sensor marks.
inline constexpr int kRobotPenWidth = 2;

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
