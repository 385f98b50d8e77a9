#include "algorithm/algorithm_view.h"

#include "robot/pose.h"
#include "robot/robot_cells.h"
#include "robot/robot_outline.h"

namespace vemrik {

namespace {

void setColour(Raster& image, Colour c) {
    image.setBrushColour(c);
    image.setPenColour(c);
}

/// White over the whole image and a one-pixel grey cross through its centre.
void paintBackground(Raster& image) {
    const int w = image.width(), h = image.height();
    setColour(image, kWhite);
    image.rectangle(0, 0, w + 1, h + 1);
    setColour(image, kGrey);
    image.setPenWidth(1);
    image.moveTo((w - 1) / 2, 0);
    image.lineTo((w - 1) / 2, h);
    image.moveTo(0, (h - 1) / 2);
    image.lineTo(w, (h - 1) / 2);
}

void outline(Raster& image, const PoseTransform& pose, int x, int y, Colour c) {
    setColour(image, c);
    drawTurned(image, pose, cellOutline(x, y));
}

}  // namespace

void drawTurnedRobot(Raster& image, const Grid& robot, int angleDegrees) {
    paintBackground(image);
    // The board turns about its own reference point, which sits at the image's pixel (100, 100).
    const PoseTransform pose(100.0f, 100.0f, static_cast<float>(angleDegrees));
    setColour(image, kBlack);
    image.setPenWidth(2);
    forEachDrawnCell(robot, CellOrder::ColumnByColumn, [&](const RobotCell& c) {
        if (c.code == kBody) {
            outline(image, pose, c.x, c.y, kGrey);
        } else if (c.code == kWheel) {
            outline(image, pose, c.x, c.y, kBlack);
        } else if (c.isSensor) {
            outline(image, pose, c.x, c.y, kGrey);
            if (c.sensor.isDouble) outline(image, pose, c.x + 1, c.y, kGrey);
            setColour(image, kRed);
            drawTurned(image, pose, samplePoints(c.sensor));
        }
    });
    image.setPenWidth(0);
}

std::int32_t drawSensorStates(Raster& image, const Grid& robot,
                              const std::array<std::int32_t, kSensorSlots>& states) {
    paintBackground(image);
    for (int x = 0; x < image.width(); x += 10)
        for (int y = 0; y < image.height(); y += 10) image.setPixel(x, y, kBlack);
    std::int32_t count = 0;
    forEachSensor(robot, [&](const Sensor& s) {
        if (count == kSensorSlots) return;  // only eight states exist
        setColour(image, states[static_cast<std::size_t>(count)] != 0 ? kGreen : kRed);
        // A double sensor's square straddles the border between its two cells.
        const int left = 10 * s.x + (s.isDouble ? 5 : 0);
        image.rectangle(left, 10 * s.y, left + 10, 10 * s.y + 10);
        ++count;
    });
    return count;
}

}  // namespace vemrik
