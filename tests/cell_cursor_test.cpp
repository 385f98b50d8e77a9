#include "ui/cell_cursor.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <utility>

#include "ui/zoom.h"
#include "ui/zoom_choice.h"

using namespace vemrik;

using Edges = std::array<int, 4>;

// From the first cell, one move: kept on the board at every edge; the pixel is the cell's middle
// unless the image ends first, and the frame at a zoom ends where the zoomed image does.
TEST(CellCursor, MovesStayOnTheBoardAndActAtTheCellsMiddleWithinTheImage) {
    const struct {
        int width, height;  // 201 x 201 is the robot, 701 x 401 the map; cells of 10
        int dx, dy;
        int column, row;
        CellCursor::Point pixel;
        Zoom zoom;
        Edges frame;
    } cases[] = {
        {201, 201, -1, -1, 0, 0, {5, 5}, kZooms[0], {0, 0, 10, 10}},
        {201, 201, 3, 2, 3, 2, {35, 25}, kZooms[1], {45, 30, 60, 45}},
        {201, 201, 25, 20, 20, 20, {200, 200}, kZooms[1], {300, 300, 302, 302}},
        {701, 401, 80, 50, 70, 40, {700, 400}, kZooms[2], {1400, 800, 1402, 802}},
        {200, 100, 30, 30, 19, 9, {195, 95}, kZooms[0], {190, 90, 200, 100}},  // filled exactly
    };
    for (const auto& c : cases) {
        CellCursor cursor(c.width, c.height, 10);
        cursor.move(c.dx, c.dy);
        const Area frame = cursor.area(c.zoom);
        EXPECT_EQ((std::array{cursor.column(), cursor.row()}), (std::array{c.column, c.row}))
            << c.dx << "," << c.dy;
        EXPECT_EQ(cursor.pixel(), c.pixel) << c.dx << "," << c.dy;
        EXPECT_EQ((Edges{frame.x1, frame.y1, frame.x2, frame.y2}), c.frame) << c.dx << "," << c.dy;
    }
}

// A held space bar repeats; the button is pressed once and let go once.
TEST(CellCursor, TheSpaceBarPressesAndReleasesOnce) {
    CellCursor cursor(201, 201, 10);
    EXPECT_EQ((std::array{cursor.press(), cursor.press()}), (std::array{true, false}));
    EXPECT_EQ((std::array{cursor.release(), cursor.release()}), (std::array{true, false}));
}

// The form with its bars at ×1 and a window frame, on screens' available room: ×1 always, the
// larger zooms only where the whole window fits; ×2 chosen shows and ticks the largest of those;
// the fit in tenths, with "Dopasuj do ekranu" ticked.
TEST(Zoom, OnlyTheZoomsThatFitTheScreenAreOffered) {
    const Extent form{940, 477}, frame{2, 30};
    using Offered = std::array<bool, 3>;
    const struct {
        Extent available;
        Offered offered;
        Zoom largest;
        std::string_view largestTicked;
        Zoom fitted;
    } cases[] = {
        {{1366, 740}, {true, false, false}, kZooms[0], "view.zoom100", {7, 5}},
        {{1024, 740}, {true, false, false}, kZooms[0], "view.zoom100", kZooms[0]},
        {{910, 512}, {true, false, false}, kZooms[0], "view.zoom100", kZooms[0]},  // the form scrolls
        {{1920, 1040}, {true, true, true}, kZooms[2], "view.zoom200", kZooms[2]},
        {{1440, 870}, {true, true, false}, kZooms[1], "view.zoom150", kZooms[1]},
        {{1412, 746}, {true, true, false}, kZooms[1], "view.zoom150", kZooms[1]},  // exactly
        {{1411, 746}, {true, false, false}, kZooms[0], "view.zoom100", {7, 5}},
        {{1412, 745}, {true, false, false}, kZooms[0], "view.zoom100", {7, 5}},
    };
    for (const auto& c : cases) {
        const ZoomShown twice = zoomShown(200, form, frame, c.available);
        const ZoomShown fit = zoomShown(kZoomFitPercent, form, frame, c.available);
        EXPECT_EQ(twice.offered, c.offered) << c.available.width;
        EXPECT_EQ((std::pair{twice.zoom, twice.ticked}), (std::pair{c.largest, c.largestTicked}))
            << c.available.width;
        EXPECT_EQ((std::pair{fit.zoom, fit.ticked}), (std::pair{c.fitted, kZoomFitCommand}))
            << c.available.width;
    }
}

// The keys a board takes: arrows move and show the cursor, the space bar presses once and lets go,
// leaving the board lets go too and hides it; the pixel follows the cell.
TEST(CellCursor, KeysStandForThePointersHandlers) {
    CellCursor cursor(201, 201, kBoardCellPixels);
    const struct {
        CursorKey key;
        PointerAct act;
        bool shown;
        CellCursor::Point pixel;
    } steps[] = {
        {CursorKey::SpaceUp, PointerAct::None, false, {5, 5}},
        {CursorKey::Right, PointerAct::Move, true, {15, 5}},
        {CursorKey::SpaceDown, PointerAct::Press, true, {15, 5}},
        {CursorKey::SpaceDown, PointerAct::None, true, {15, 5}},
        {CursorKey::Down, PointerAct::Move, true, {15, 15}},
        {CursorKey::Up, PointerAct::Move, true, {15, 5}},
        {CursorKey::Left, PointerAct::Move, true, {5, 5}},
        {CursorKey::SpaceUp, PointerAct::Release, true, {5, 5}},
        {CursorKey::SpaceDown, PointerAct::Press, true, {5, 5}},
        {CursorKey::Leave, PointerAct::Release, false, {5, 5}},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(cursor.key(s.key), s.act) << static_cast<int>(s.key);
        EXPECT_EQ((std::pair{cursor.shown, cursor.pixel()}), (std::pair{s.shown, s.pixel}));
    }
}
