#include "ui/cell_cursor.h"

#include <algorithm>
#include <utility>

namespace vemrik {

CellCursor::CellCursor(int width, int height, int cellPixels)
    : width_(width), height_(height), cellPixels_(cellPixels) {}

void CellCursor::move(int dx, int dy) {
    const int columns = (width_ + cellPixels_ - 1) / cellPixels_;
    const int rows = (height_ + cellPixels_ - 1) / cellPixels_;
    column_ = std::clamp(column_ + dx, 0, columns - 1);
    row_ = std::clamp(row_ + dy, 0, rows - 1);
}

CellCursor::Point CellCursor::pixel() const {
    const int middle = cellPixels_ / 2;
    return {std::min(column_ * cellPixels_ + middle, width_ - 1),
            std::min(row_ * cellPixels_ + middle, height_ - 1)};
}

Area CellCursor::area(Zoom zoom) const {
    return {zoomedLength(column_ * cellPixels_, zoom), zoomedLength(row_ * cellPixels_, zoom),
            std::min(zoomedLength((column_ + 1) * cellPixels_, zoom), zoomedLength(width_, zoom)),
            std::min(zoomedLength((row_ + 1) * cellPixels_, zoom), zoomedLength(height_, zoom))};
}

bool CellCursor::press() { return !std::exchange(held_, true); }

bool CellCursor::release() { return std::exchange(held_, false); }

PointerAct CellCursor::key(CursorKey key) {
    // Any key that draws shows the cursor, so a board reached by a click shows it once used.
    shown = key != CursorKey::Leave && (shown || key != CursorKey::SpaceUp);
    switch (key) {
        case CursorKey::Left:
            move(-1, 0);
            return PointerAct::Move;
        case CursorKey::Right:
            move(1, 0);
            return PointerAct::Move;
        case CursorKey::Up:
            move(0, -1);
            return PointerAct::Move;
        case CursorKey::Down:
            move(0, 1);
            return PointerAct::Move;
        case CursorKey::SpaceDown:
            return press() ? PointerAct::Press : PointerAct::None;
        case CursorKey::SpaceUp:
        case CursorKey::Leave:
            break;
    }
    return release() ? PointerAct::Release : PointerAct::None;
}

}  // namespace vemrik
