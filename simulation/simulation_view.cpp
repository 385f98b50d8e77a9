#include "simulation/simulation_view.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "map/map_paint.h"
#include "map/map_view.h"
#include "robot/robot_cells.h"
#include "robot/robot_outline.h"

namespace vemrik {

namespace {

void outlineCell(Raster& image, const PoseTransform& pose, int x, int y, Colour c) {
    image.setPenColour(c);
    drawTurned(image, pose, cellOutline(x, y));
}

/// The robot with a 2-pixel pen, pen width 0 left behind. Returns the pose drawn at.
PoseTransform drawOverTrack(const ProgramState& s, Raster& image) {
    image.setPenColour(kBlack);
    image.setPenWidth(kRobotPenWidth);
    const PoseTransform pose = currentPose(s);
    drawRobot(s, pose, image);
    image.setPenWidth(0);
    return pose;
}

}  // namespace

CellBox drawnCells(const Grid& robot) {
    CellBox box;
    forEachDrawnCell(robot, CellOrder::RowByRow, [&box](const RobotCell& c) {
        if (c.code == kBody || c.code == kWheel || c.isSensor) box.take(c.x, c.y);
        if (c.isSensor && c.sensor.isDouble) box.take(c.x + 1, c.y);
    });
    return box;
}

Area robotArea(const PoseTransform& pose, const CellBox& cells) {
    if (cells.x1 > cells.x2) return {0, 0, 0, 0};
    constexpr std::int64_t kPad = kRobotPenWidth + 2;
    const float left = static_cast<float>(cellEdge(cells.x1)),
                right = static_cast<float>(cellEdge(cells.x2 + 1));
    const float top = static_cast<float>(cellEdge(cells.y1)),
                bottom = static_cast<float>(cellEdge(cells.y2 + 1));
    std::int64_t x1 = std::numeric_limits<std::int64_t>::max(), y1 = x1;
    std::int64_t x2 = std::numeric_limits<std::int64_t>::min(), y2 = x2;
    for (const FramePoint corner : {FramePoint{left, top}, FramePoint{right, top}, FramePoint{left, bottom},
                                    FramePoint{right, bottom}}) {
        const Pixel p = pose.robotToMap(corner);
        x1 = std::min<std::int64_t>(x1, p.x);
        y1 = std::min<std::int64_t>(y1, p.y);
        x2 = std::max<std::int64_t>(x2, p.x);
        y2 = std::max<std::int64_t>(y2, p.y);
    }
    const auto toInt = [](std::int64_t v) {
        return static_cast<int>(
            std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    };
    return {toInt(x1 - kPad), toInt(y1 - kPad), toInt(x2 + kPad + 1), toInt(y2 + kPad + 1)};
}

void paintTrack(const ProgramState& s, Raster& image) {
    paintTrackLayer(TrackField::kPlain, s.StrokeList, s.MapGrid, image);
}

void drawRobot(const ProgramState& s, const PoseTransform& pose, Raster& image) {
    std::size_t marked = 0;
    forEachDrawnCell(s.RobotGrid, CellOrder::RowByRow, [&](const RobotCell& c) {
        if (c.code == kBody) outlineCell(image, pose, c.x, c.y, kGrey);
        if (c.code == kWheel) outlineCell(image, pose, c.x, c.y, kBlack);
        if (!c.isSensor) return;
        outlineCell(image, pose, c.x, c.y, kGrey);
        if (c.sensor.isDouble) outlineCell(image, pose, c.x + 1, c.y, kGrey);
        // A sensor past the eighth has no state to show.
        if (marked == kSensorSlots) return;
        image.setPenColour(s.SensorStates[marked++] != 0 ? kGreen : kRed);
        drawTurned(image, pose, samplePoints(c.sensor));
    });
}

void paintSimulationView(const Engine& engine, Raster& image) {
    paintTrack(engine.state(), image);
    drawOverTrack(engine.state(), image);
}

void paintSimulationView(const Engine& engine, Raster& image, TrackCache& cache) {
    cache.restore(engine, image);
    const PoseTransform pose = drawOverTrack(engine.state(), image);
    cache.drawnOver(image, robotArea(pose, drawnCells(engine.state().RobotGrid)));
}

void drawTrail(const Trail& trail, Raster& image) {
    const Colour pen = image.penColour();
    const int width = image.penWidth();
    image.setPenColour(kTrailColour);
    image.setPenWidth(0);
    for (std::size_t i = 0; i < trail.size(); ++i) {
        const TrailPoint& p = trail.point(i);
        const int x = truncateToPixel(p.x), y = truncateToPixel(p.y);
        // The oldest kept point begins a piece even if its predecessor was dropped.
        if (i == 0 || p.startsPiece)
            image.moveTo(x, y);
        else
            image.lineTo(x, y);
        // A line stops short of its end point; the point itself is the trail's too.
        image.setPixel(x, y, kTrailColour);
    }
    image.setPenColour(pen);
    image.setPenWidth(width);
}

}  // namespace vemrik
