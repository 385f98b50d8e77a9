#pragma once

#include "raster/raster.h"
#include "ui/zoom.h"

namespace vemrik {

/// The boards' cells, as both editors read a pixel.
inline constexpr int kBoardCellPixels = 10;

/// The keys a board's cursor answers, and the board losing the keyboard.
enum class CursorKey { Left, Right, Up, Down, SpaceDown, SpaceUp, Leave };
/// The pointer's handler a key stands for, at the cursor's pixel().
enum class PointerAct { None, Press, Move, Release };

/// The keyboard's cursor on a board drawn cell by cell. The arrows move it a cell and the space
/// bar is a button held at its cell, so every front end draws by keyboard through the pointer's
/// handlers and the form cannot tell the two apart.
class CellCursor {
public:
    struct Point {
        int x;
        int y;
        bool operator==(const Point&) const = default;
    };

    /// A board of width x height image pixels in square cells; the image's edge may cut the last
    /// column and row short.
    CellCursor(int width, int height, int cellPixels);

    int column() const { return column_; }
    int row() const { return row_; }
    /// Moves by whole cells, kept on the board.
    void move(int dx, int dy);
    /// The image pixel the keyboard acts on: the middle of the cell, within the image.
    Point pixel() const;
    /// The cell in widget pixels at a zoom, as far as the zoomed image reaches.
    Area area(Zoom zoom) const;

    /// The space bar went down: whether that presses the button. A held key repeats; the button
    /// it stands for is pressed once.
    bool press();
    /// The space bar came up or the board lost the keyboard: whether that releases the button.
    bool release();

    /// A key on the board: moves, shows or hides the cursor, and says which pointer handler acts.
    /// A front end passes no repeats of the space bar.
    PointerAct key(CursorKey key);

    /// Whether the cursor is drawn: once the keyboard reached or used the board, so one the
    /// mouse draws on shows none.
    bool shown = false;

private:
    int width_, height_, cellPixels_;
    int column_ = 0, row_ = 0;
    bool held_ = false;
};

}  // namespace vemrik
