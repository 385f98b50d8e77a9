#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

#include "raster/raster.h"

namespace vemrik {

/// Shows one raster at exactly its pixel size and reports the mouse in image pixels. Moves are
/// reported with or without a button held; during a drag Qt keeps reporting them outside.
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

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    std::size_t pixelCount() const;
    /// Whether the raster's pixels inside the area are those shown.
    bool showsAlready(Area area) const;

    const Raster& raster_;
    std::uint64_t shown_ = ~std::uint64_t{0};
    std::vector<Colour> shownPixels_;
};

}  // namespace vemrik
