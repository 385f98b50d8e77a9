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
    const Colour* pixels = raster_.data();
    if (shownPixels_.size() == pixelCount() &&
        std::equal(pixels, pixels + pixelCount(), shownPixels_.begin())) {
        shown_ = raster_.version();
        return;
    }
    update();
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
