#include "ui/qt/image_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "robot/pose.h"
#include "ui/qt/qt_helpers.h"

namespace vemrik {

namespace {
// Truncated toward zero like every pixel of the program; Qt's toPoint() would round, so under
// fractional scaling the last half pixel of a cell would count as the next one.
QPoint pixelOf(const QMouseEvent* e) {
    const QPointF p = e->position();
    return {truncateToPixel(static_cast<float>(p.x())), truncateToPixel(static_cast<float>(p.y()))};
}
}  // namespace

ImageView::ImageView(const Raster& raster, QWidget* parent) : QWidget(parent), raster_(raster) {
    setFixedSize(raster.width(), raster.height());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::refresh() {
    if (raster_.version() == shown_) return;
    // A forced redraw mostly paints the same pixels again; comparing them is far cheaper than
    // showing them anew, which keeps an idle window idle.
    Area area{0, 0, raster_.width(), raster_.height()};
    if (changedOnlyIn) changedOnlyIn(shown_, area);
    if (shownPixels_.size() == pixelCount() && showsAlready(area)) {
        shown_ = raster_.version();
        return;
    }
    update();
}

bool ImageView::showsAlready(Area area) const {
    const int x1 = std::max(area.x1, 0), x2 = std::min(area.x2, raster_.width());
    const int y1 = std::max(area.y1, 0), y2 = std::min(area.y2, raster_.height());
    if (x1 >= x2) return true;
    for (int y = y1; y < y2; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(raster_.width());
        const Colour* pixels = raster_.data() + row;
        if (!std::equal(pixels + x1, pixels + x2,
                        shownPixels_.begin() + static_cast<std::ptrdiff_t>(row + x1)))
            return false;
    }
    return true;
}

void ImageView::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, rasterImage(raster_));
    shown_ = raster_.version();
    shownPixels_.assign(raster_.data(), raster_.data() + pixelCount());
}

std::size_t ImageView::pixelCount() const {
    return static_cast<std::size_t>(raster_.width()) * static_cast<std::size_t>(raster_.height());
}

void ImageView::mousePressEvent(QMouseEvent* e) {
    if (onPress) onPress(pixelOf(e).x(), pixelOf(e).y());
}

void ImageView::mouseMoveEvent(QMouseEvent* e) {
    if (onMove) onMove(pixelOf(e).x(), pixelOf(e).y());
}

void ImageView::mouseReleaseEvent(QMouseEvent* e) {
    if (onRelease) onRelease(pixelOf(e).x(), pixelOf(e).y());
}

}  // namespace vemrik
