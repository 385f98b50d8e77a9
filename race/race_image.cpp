#include "race/race_image.h"

#include "map/map_view.h"
#include "raster/pixel_text.h"
#include "robot/robot_cells.h"
#include "robot/robot_outline.h"

namespace vemrik {

namespace {

constexpr int kImageWidth = 701;
constexpr int kImageHeight = 401;
/// The simulation page's pen for the robot.
constexpr int kRobotPen = 2;
/// Between two names' rows, so that robots at one start cell show every name.
constexpr int kNameRow = kGlyphHeight + 2;

void outline(Raster& image, const PoseTransform& pose, int x, int y, Colour c) {
    image.setPenColour(c);
    drawTurned(image, pose, cellOutline(x, y));
}

/// The robot as the simulation page draws it, its body, sensors and their marks in `c`.
void drawRacer(Raster& image, const Grid& robot, const HeadlessRun& run, Colour c) {
    const PoseTransform pose(run.x(), run.y(), run.heading());
    image.setPenWidth(kRobotPen);
    forEachDrawnCell(robot, CellOrder::RowByRow, [&](const RobotCell& cell) {
        if (cell.code == kWheel) outline(image, pose, cell.x, cell.y, kBlack);
        if (cell.code == kBody || cell.isSensor) outline(image, pose, cell.x, cell.y, c);
        if (!cell.isSensor) return;
        if (cell.sensor.isDouble) outline(image, pose, cell.x + 1, cell.y, c);
        drawTurned(image, pose, samplePoints(cell.sensor));
    });
    image.setPenWidth(0);
}

/// The name on a white ground right of the robot, in row `row` of `rows` rows centred on it.
void drawName(Raster& image, const Entrant& e, int row, int rows) {
    const int x = truncateToPixel(e.run->x() + e.setup->reach) + 4;
    const int y = truncateToPixel(e.run->y()) + (2 * row - rows) * kNameRow / 2;
    image.setBrushColour(kWhite);
    image.setPenColour(e.colour);
    image.setPenWidth(1);
    image.rectangle(x - 2, y - 2, x + textWidth(e.name) + 3, y + kGlyphHeight + 2);
    drawText(image, x, y, e.name, e.colour);
}

/// Trail point i of an entrant, joined to the one before unless it starts a piece.
void drawTrailPoint(Raster& image, const Trail& trail, std::size_t i, Colour c) {
    const TrailPoint& p = trail.point(i);
    const int x = truncateToPixel(p.x), y = truncateToPixel(p.y);
    if (i > 0 && !p.startsPiece) {
        const TrailPoint& before = trail.point(i - 1);
        image.setPenColour(c);
        image.setPenWidth(0);
        image.moveTo(truncateToPixel(before.x), truncateToPixel(before.y));
        image.lineTo(x, y);
    }
    image.setPixel(x, y, c);
}

}  // namespace

RaceImage::RaceImage() : layer_(kImageWidth, kImageHeight), image_(kImageWidth, kImageHeight) {}

void RaceImage::paintLayer(const Race& race) {
    const Workspace& track = race.trackWork();
    if (race.hasTrack())
        paintTrackLayer(TrackField::kPlain, track.strokes, track.map, layer_);
    else
        layer_.fill(kWhite);
    drawnSteps_.assign(race.entrants().size(), 0);
    drawnVersion_ = race.version();
}

void RaceImage::extendTrails(const Race& race) {
    for (std::size_t k = 0; k < race.entrants().size(); ++k) {
        const Entrant& e = race.entrants()[k];
        const std::size_t made = static_cast<std::size_t>(e.run->steps() - drawnSteps_[k]);
        const std::size_t from = e.trail.size() > made ? e.trail.size() - made : 0;
        for (std::size_t i = from; i < e.trail.size(); ++i) drawTrailPoint(layer_, e.trail, i, e.colour);
        drawnSteps_[k] = e.run->steps();
    }
}

const Raster& RaceImage::draw(const Race& race) {
    if (race.version() != drawnVersion_) paintLayer(race);
    extendTrails(race);
    image_.copyFrom(layer_);
    int row = 0;
    for (const Entrant& e : race.entrants()) drawRacer(image_, e.work.robot, *e.run, e.colour);
    for (const Entrant& e : race.entrants()) drawName(image_, e, row++, race.size());
    return image_;
}

}  // namespace vemrik
