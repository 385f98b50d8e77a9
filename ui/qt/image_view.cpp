#include "ui/qt/image_view.h"

#include <QMouseEvent>
#include <QPainter>

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
    if (raster_.version() != shown_) update();
}

void ImageView::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, rasterImage(raster_));
    shown_ = raster_.version();
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
