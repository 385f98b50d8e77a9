#include "race/race_image.h"

#include "map/map_view.h"
#include "raster/pixel_text.h"
#include "robot/robot_cells.h"
#include "robot/robot_outline.h"
#include "simulation/simulation_view.h"

namespace vemrik {

namespace {

constexpr int kImageWidth = 701;
constexpr int kImageHeight = 401;
/// Between two names' rows, so that robots at one start cell show every name.
constexpr int kNameRow = kGlyphHeight + 2;

void outline(Raster& image, const PoseTransform& pose, int x, int y, Colour c) {
    image.setPenColour(c);
    drawTurned(image, pose, cellOutline(x, y));
}

/// The robot as the simulation page draws it, its body, sensors and their marks in `c`. Returns
/// the area it can cover, its drawn cells being `cells`.
Area drawRacer(Raster& image, const Grid& robot, const CellBox& cells, const HeadlessRun& run, Colour c) {
    const PoseTransform pose(run.x(), run.y(), run.heading());
    image.setPenWidth(kRobotPenWidth);
    forEachDrawnCell(robot, CellOrder::RowByRow, [&](const RobotCell& cell) {
        if (cell.code == kWheel) outline(image, pose, cell.x, cell.y, kBlack);
        if (cell.code == kBody || cell.isSensor) outline(image, pose, cell.x, cell.y, c);
        if (!cell.isSensor) return;
        if (cell.sensor.isDouble) outline(image, pose, cell.x + 1, cell.y, c);
        drawTurned(image, pose, samplePoints(cell.sensor));
    });
    image.setPenWidth(0);
    return robotArea(pose, cells);
}

/// The name on a white ground right of the robot, in row `row` of `rows` rows centred on it.
/// Returns the area it covers.
Area drawName(Raster& image, const Entrant& e, int row, int rows) {
    const int x = truncateToPixel(e.run->x() + e.setup->reach) + 4;
    const int y = truncateToPixel(e.run->y()) + (2 * row - rows) * kNameRow / 2;
    const Area ground{x - 2, y - 2, x + textWidth(e.name) + 3, y + kGlyphHeight + 2};
    image.setBrushColour(kWhite);
    image.setPenColour(e.colour);
    image.setPenWidth(1);
    image.rectangle(ground.x1, ground.y1, ground.x2, ground.y2);
    drawText(image, x, y, e.name, e.colour);
    return ground;
}

/// Trail point i of an entrant, joined to the one before unless it starts a piece. Returns the
/// area it covers.
Area drawTrailPoint(Raster& image, const Trail& trail, std::size_t i, Colour c) {
    const TrailPoint& p = trail.point(i);
    const int x = truncateToPixel(p.x), y = truncateToPixel(p.y);
    Area covered{x, y, x + 1, y + 1};
    if (i > 0 && !p.startsPiece) {
        const TrailPoint& before = trail.point(i - 1);
        const int bx = truncateToPixel(before.x), by = truncateToPixel(before.y);
        image.setPenColour(c);
        image.setPenWidth(0);
        image.moveTo(bx, by);
        image.lineTo(x, y);
        covered = enclosing(covered, {bx, by, bx + 1, by + 1});
    }
    image.setPixel(x, y, c);
    return covered;
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
    cells_.clear();
    for (const Entrant& e : race.entrants()) cells_.push_back(drawnCells(e.work.robot));
    drawnVersion_ = race.version();
    image_.copyFrom(layer_);
    shown_.clear();
}

void RaceImage::extendTrails(const Race& race) {
    for (std::size_t k = 0; k < race.entrants().size(); ++k) {
        const Entrant& e = race.entrants()[k];
        const std::size_t made = static_cast<std::size_t>(e.run->steps() - drawnSteps_[k]);
        const std::size_t from = e.trail.size() > made ? e.trail.size() - made : 0;
        Area grown{0, 0, 0, 0};
        for (std::size_t i = from; i < e.trail.size(); ++i)
            grown = enclosing(grown, drawTrailPoint(layer_, e.trail, i, e.colour));
        shown_.push_back(grown);
        drawnSteps_[k] = e.run->steps();
    }
}

void RaceImage::restoreShown() {
    for (const Area& area : shown_) image_.copyFrom(layer_, area);
    shown_.clear();
}

const Raster& RaceImage::draw(const Race& race) {
    if (race.version() != drawnVersion_) paintLayer(race);
    extendTrails(race);
    restoreShown();
    for (std::size_t k = 0; k < race.entrants().size(); ++k) {
        const Entrant& e = race.entrants()[k];
        shown_.push_back(drawRacer(image_, e.work.robot, cells_[k], *e.run, e.colour));
    }
    int row = 0;
    for (const Entrant& e : race.entrants()) shown_.push_back(drawName(image_, e, row++, race.size()));
    return image_;
}

}  // namespace vemrik
