// What is printed of the track and on which sheets, worked out by hand.
#include "simulation/print_tiles.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <tuple>

#include "app/program_state.h"
#include "map/map_editor.h"
#include "map/map_view.h"
#include "simulation/print_sheet.h"
#include "simulation/printed_track.h"
#include "ui/print_choice.h"

using namespace vemrik;

namespace {

// The 701 x 401 map at 20 mm per cell is 1402 x 802 mm.
constexpr PrintLayout kA4{1402, 802, 210, 297, 10, 10};

bool operator==(Area a, Area b) { return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2; }

/// A map board of 71 x 41 cells with the cells given set to their codes.
Grid mapWith(std::initializer_list<std::tuple<int, int, MapCode>> cells) {
    Grid map;
    map.setColumns(kMapColumns);
    for (int x = 0; x < kMapColumns; ++x) map.setLength(x, kMapRows);
    for (const auto& [x, y, code] : cells) map.at(x, y) = code;
    return map;
}

/// Brush segments, each {x0, y0, x1, y1}.
Grid strokesOf(std::initializer_list<std::array<int, 4>> segments) {
    Grid strokes;
    for (const auto& [x0, y0, x1, y1] : segments) appendStroke(strokes, x0, y0, x1, y1);
    return strokes;
}

Raster painted(const Grid& strokes, const Grid& map) {
    Raster track(701, 401);
    paintTrackLayer(TrackField::kPlain, strokes, map, track);
    return track;
}

TEST(PrintTiles, SheetsAcrossAndDown) {
    const struct {
        const char* what;
        PrintLayout layout;
        int columns, rows;
    } cases[] = {
        // 190 x 277 printable, moving on by 180 and 267: 1 + ceil(1212 / 180), 1 + ceil(525 / 267).
        {"A4 upright", kA4, 8, 3},
        {"A4 turned", turned(kA4), 6, 5},
        {"fits one sheet exactly", {190, 277, 210, 297, 10, 10}, 1, 1},
        {"a millimetre more", {371, 545, 210, 297, 10, 10}, 3, 3},
        {"overlap as large as the sheet", {1402, 802, 210, 297, 10, 190}, 0, 0},
        // A sheet moving on by a hundredth of a millimetre: 700,000 columns of 400,000 rows.
        {"paper a hair wider than margins and overlap", {7010, 4010, 30.01, 30.01, 10, 10}, 0, 0},
        {"the most sheets", {3000, 3000, 30, 30, 0, 0}, 100, 100},
        {"one row more than the most", {3000, 3001, 30, 30, 0, 0}, 0, 0},
        {"a track of no size a number has", {std::numeric_limits<double>::infinity(), 100}, 0, 0},
    };
    for (const auto& c : cases) {
        const TileGrid grid = tileGrid(c.layout);
        EXPECT_EQ(std::tuple(grid.columns, grid.rows, printTiles(c.layout).size()),
                  std::tuple(c.columns, c.rows, static_cast<std::size_t>(c.columns * c.rows)))
            << c.what;
    }
}

TEST(PrintedTrack, OnlyTheTrackWithAOneCellMarginIsPrinted) {
    const struct {
        const char* what;
        Grid strokes;
        Grid map;
        Area ink, black;
    } cases[] = {
        {"blank map", {}, mapWith({}), {0, 0, 0, 0}, {0, 0, 0, 0}},
        // Cells 0 .. 2 of row 0 cover pixels 0 .. 29 by 0 .. 9; the margin reaches off the map.
        {"three cells in the corner",
         {},
         mapWith({{0, 0, kLine}, {1, 0, kLine}, {2, 0, kStart}}),
         {0, 0, 30, 10},
         {-10, -10, 40, 20}},
        // Pixel centres within 5 of the segment: x 95.5 .. 204.5, y 95.5 .. 104.5.
        {"one stroke",
         strokesOf({{100, 100, 200, 100}}),
         mapWith({}),
         {95, 95, 205, 105},
         {85, 85, 215, 115}},
        // Column 70 and row 40 are kept but never painted, so never printed either.
        {"the last cells shown",
         {},
         mapWith({{69, 39, kStop}, {70, 5, kLine}, {5, 40, kLine}}),
         {690, 390, 700, 400},
         {680, 380, 710, 410}},
    };
    for (const auto& c : cases) {
        const Raster track = painted(c.strokes, c.map);
        EXPECT_TRUE(inkArea(track) == c.ink) << c.what;
        EXPECT_TRUE(printArea(track, PrintLook::kBlackLine) == c.black) << c.what;
        const Area screen = c.ink.x1 < c.ink.x2 ? Area{0, 0, 701, 401} : Area{0, 0, 0, 0};
        EXPECT_TRUE(printArea(track, PrintLook::kAsOnScreen) == screen) << c.what;
    }
}

// What a sensor takes for line prints black, the rest white.
TEST(PrintedTrack, StartAndStopBecomeMarksOverAWhiteCell) {
    const Grid map =
        mapWith({{12, 3, kStart}, {10, 20, kStop}, {11, 20, kLine}, {70, 5, kStop}, {6, 40, kStart}});
    const PrintedTrack printed = printedTrack(painted({}, map), map, PrintLook::kBlackLine);
    EXPECT_EQ(printed.marks,
              (std::vector<PrintMark>{{10, 20, PrintMark::kStop}, {12, 3, PrintMark::kStart}}));
    EXPECT_EQ(printed.picture.pixel(125, 35), kWhite);   // the start cell
    EXPECT_EQ(printed.picture.pixel(115, 205), kBlack);  // the line beside the stop
    EXPECT_TRUE(printed.area == (Area{90, 20, 140, 220}));

    const PrintedTrack screen = printedTrack(painted({}, map), map, PrintLook::kAsOnScreen);
    EXPECT_TRUE(screen.marks.empty());
    EXPECT_EQ(screen.picture.pixel(125, 35), kBlue);
}

TEST(PrintTiles, OnlyTheSheetsTheTrackNeeds) {
    const struct {
        const char* what;
        Area area;
        double paperWidth, paperHeight;
        double trackWidth, trackHeight, pageWidth;
        int pages;
    } cases[] = {
        // The oval with its margin, 630 x 230 pixels: 1260 x 460 mm. Upright 1 + ceil(1070 / 180) = 7
        // across, 1 + ceil(183 / 267) = 2 down; turned 1 + ceil(983 / 267) = 5 by 1 + ceil(270 / 180) = 3.
        {"the oval on A4", {35, 90, 665, 320}, 210, 297, 1260, 460, 210, 14},
        // 200 x 10 pixels, 400 x 20 mm: 1 + ceil(210 / 180) = 3 upright, 1 + ceil(123 / 267) = 2 turned.
        {"a long thin track", {0, 0, 200, 10}, 210, 297, 400, 20, 297, 2},
    };
    for (const auto& c : cases) {
        const PrintLayout layout = printLayout(c.area, 20, c.paperWidth, c.paperHeight);
        EXPECT_EQ(
            std::tuple(layout.trackWidth, layout.trackHeight, layout.pageWidth, tileGrid(layout).pages()),
            std::tuple(c.trackWidth, c.trackHeight, c.pageWidth, c.pages))
            << c.what;
    }
    // Row by row, every sheet of the oval starts where the one before it ends, less the overlap.
    const std::vector<PrintTile> tiles = printTiles(printLayout({35, 90, 665, 320}, 20, 210, 297));
    const PrintTile& b2 = tiles.at(8);
    EXPECT_TRUE(b2.row == 1 && b2.column == 1 && b2.x == 180 && b2.y == 267 && b2.width == 190 &&
                b2.height == 277);
}

// Four sheet pixels to a map pixel: the track's cells 40 across, the sheet 190 x 277 mm of 2 mm pixels.
TEST(PrintSheet, PixelsOfTheTrackAndItsMarks) {
    const Grid map = mapWith({{0, 0, kLine}, {1, 0, kLine}, {2, 0, kStart}, {0, 2, kStop}});
    const PrintedTrack printed = printedTrack(painted({}, map), map, PrintLook::kBlackLine);
    const PrintLayout layout = printLayout(printed.area, 20, 210, 297);
    const Raster sheet = sheetPixels(printed, layout, printTiles(layout).at(0), 4);
    EXPECT_EQ(std::tuple(sheet.width(), sheet.height()), std::tuple(380, 554));
    const struct {
        const char* what;
        int x, y;
        Colour colour;
    } cases[] = {
        {"the margin off the map", 0, 0, kWhite}, {"the line's first pixel", 41, 41, kBlack},
        {"the start's outline", 120, 40, kBlack}, {"its far corner", 159, 79, kBlack},
        {"inside the outline", 123, 43, kWhite},  {"the S's middle", 140, 60, kBlack},
        {"the stop's outline", 60, 121, kBlack},  {"beside its cross", 60, 123, kWhite},
        {"the cross's middle", 60, 140, kBlack},
    };
    for (const auto& c : cases) EXPECT_EQ(sheet.pixel(c.x, c.y), c.colour) << c.what;
}

TEST(PrintTiles, Names) {
    for (const auto& [row, column, name] :
         {std::tuple{0, 0, "A1"}, {2, 1, "B3"}, {0, 25, "Z1"}, {8, 26, "AA9"}, {11, 27, "AB12"}})
        EXPECT_EQ(tileName(row, column), name);
}

}  // namespace

TEST(PrintChoice, ABadChoiceIsBroughtInRangeAndTheSentenceNamesTheSheetsOfThePaperAsTurned) {
    const auto fields = [](const PrintChoice& c) { return std::tuple(c.mmPerCell, c.paper, c.look); };
    EXPECT_EQ(std::tuple(100, 0, PrintLook::kBlackLine),
              fields(PrintChoice{500, 7, static_cast<PrintLook>(9)}.bounded()));
    EXPECT_EQ(std::tuple(5, 1, PrintLook::kAsOnScreen),
              fields(PrintChoice{1, 1, PrintLook::kAsOnScreen}.bounded()));
    EXPECT_EQ(std::tuple(5, 0, PrintLook::kBlackLine),
              fields(PrintChoice{5, -1, PrintLook::kBlackLine}.bounded()));

    EXPECT_EQ(
        "Trasa z marginesem 20 mm: 1402 × 802 mm\nna 8 × 3 = 24 arkuszach A4 pionowo, z zakładką 10 mm.",
        printSummary(kA4, PrintChoice{}));
    const PrintLayout a3{350.5, 120, 420, 297, 10, 10};
    EXPECT_EQ("Cała mapa: 350.5 × 120 mm\nna 1 × 1 = 1 arkuszach A3 poziomo, z zakładką 10 mm.",
              printSummary(a3, PrintChoice{5, 1, PrintLook::kAsOnScreen}));
}
