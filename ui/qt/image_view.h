#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "raster/raster.h"
#include "ui/cell_cursor.h"
#include "ui/zoom.h"

namespace vemrik {

/// Shows one raster, each pixel as a sharp block of the zoom, and reports the mouse in image pixels.
/// Moves are reported with or without a button held; during a drag Qt keeps reporting them outside.
/// With a cell cursor, the keyboard draws too: the arrows move the cursor a cell, and holding space
/// is a held button at the cursor's cell, all through the same three handlers.
class ImageView : public QWidget {
public:
    using MouseHandler = std::function<void(int x, int y)>;

    ImageView(const Raster& raster, QWidget* parent);

    MouseHandler onPress, onMove, onRelease;
    /// Optional: whether the raster now can differ from itself at an earlier version only inside
    /// the area it sets, so a repaint of the same pixels is found by comparing that area alone.
    std::function<bool(std::uint64_t version, Area& area)> changedOnlyIn;

    /// Repaints when the raster's pixels differ from those shown last.
    void refresh();

    void setZoom(Zoom zoom);
    Zoom zoom() const { return zoom_; }
    /// Takes focus from the keyboard only, and shows a cursor over cells of that many pixels while
    /// it has focus that came from the keyboard or since a key moved it.
    void enableCellCursor(int cellPixels);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QImage zoomedImage() const;
    QRect cursorRect() const;
    void paintCursor(QPainter& painter) const;
    /// A key on the cursor, and the pointer's handler it stands for at the cursor's cell.
    void cursorKey(CursorKey key);
    void keepCursorInSight();
    void reportAtCursor(const MouseHandler& handler) const;

    std::size_t pixelCount() const;
    /// Whether the raster's pixels inside the area are those shown.
    bool showsAlready(Area area) const;

    const Raster& raster_;
    std::uint64_t shown_ = ~std::uint64_t{0};
    std::vector<Colour> shownPixels_;
    Zoom zoom_;
    std::optional<CellCursor> cursor_;
};

}  // namespace vemrik
