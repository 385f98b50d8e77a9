#include "ui/qt/image_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <algorithm>

#include "robot/pose.h"
#include "ui/qt/qt_helpers.h"

namespace vemrik {

namespace {
// Truncated toward zero like every pixel of the program; Qt's toPoint() would round, so under
// fractional scaling the last half pixel of a cell would count as the next one.
QPoint pixelOf(const QMouseEvent* e, Zoom zoom) {
    const QPointF p = e->position();
    return {imagePixelAt(truncateToPixel(static_cast<float>(p.x())), zoom),
            imagePixelAt(truncateToPixel(static_cast<float>(p.y())), zoom)};
}

// Two tones, so the cursor shows on white, black, grey and the track alike.
const QColor kCursorOuter(0, 0, 0);
const QColor kCursorInner(255, 200, 0);
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

void ImageView::setZoom(Zoom zoom) {
    if (zoom == zoom_) return;
    zoom_ = zoom;
    setFixedSize(zoomedLength(raster_.width(), zoom), zoomedLength(raster_.height(), zoom));
    update();
}

void ImageView::enableCellCursor(int cellPixels) {
    cursor_.emplace(raster_.width(), raster_.height(), cellPixels);
    // Not from a click: the mouse draws as ever, and the cursor appears only for the keyboard.
    setFocusPolicy(Qt::TabFocus);
}

QImage ImageView::zoomedImage() const {
    const QImage source = rasterImage(raster_);
    QImage out(width(), height(), QImage::Format_RGBX8888);
    std::vector<int> columns(static_cast<std::size_t>(width()));
    for (int x = 0; x < width(); ++x)
        columns[static_cast<std::size_t>(x)] = std::min(imagePixelAt(x, zoom_), raster_.width() - 1);
    for (int y = 0; y < height(); ++y) {
        const auto* from = reinterpret_cast<const Colour*>(
            source.constScanLine(std::min(imagePixelAt(y, zoom_), raster_.height() - 1)));
        auto* to = reinterpret_cast<Colour*>(out.scanLine(y));
        for (int x = 0; x < width(); ++x) to[x] = from[columns[static_cast<std::size_t>(x)]];
    }
    return out;
}

void ImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, zoom_ == Zoom{} ? rasterImage(raster_) : zoomedImage());
    if (cursor_ && cursor_->shown && hasFocus()) paintCursor(painter);
    shown_ = raster_.version();
    shownPixels_.assign(raster_.data(), raster_.data() + pixelCount());
}

std::size_t ImageView::pixelCount() const {
    return static_cast<std::size_t>(raster_.width()) * static_cast<std::size_t>(raster_.height());
}

QRect ImageView::cursorRect() const {
    const Area cell = cursor_->area(zoom_);
    return {cell.x1, cell.y1, cell.x2 - cell.x1, cell.y2 - cell.y1};
}

void ImageView::paintCursor(QPainter& painter) const {
    const QRect cell = cursorRect();
    painter.setPen(kCursorOuter);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(-1, -1, 0, 0));
    painter.setPen(kCursorInner);
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
}

void ImageView::reportAtCursor(const MouseHandler& handler) const {
    if (handler) handler(cursor_->pixel().x, cursor_->pixel().y);
}

void ImageView::keepCursorInSight() {
    // Where the form scrolls, the cursor stays in sight.
    for (QWidget* p = parentWidget(); p; p = p->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(p)) {
            const QRect cell = cursorRect();
            const QPoint middle = mapTo(area->widget(), cell.center());
            area->ensureVisible(middle.x(), middle.y(), cell.width(), cell.height());
            break;
        }
}

void ImageView::cursorKey(CursorKey key) {
    const PointerAct act = cursor_->key(key);
    update();
    if (act == PointerAct::Move) keepCursorInSight();
    const MouseHandler* handler = act == PointerAct::Press     ? &onPress
                                  : act == PointerAct::Move    ? &onMove
                                  : act == PointerAct::Release ? &onRelease
                                                               : nullptr;
    if (handler) reportAtCursor(*handler);
}

void ImageView::keyPressEvent(QKeyEvent* e) {
    if (!cursor_) return QWidget::keyPressEvent(e);
    switch (e->key()) {
        case Qt::Key_Left:
            return cursorKey(CursorKey::Left);
        case Qt::Key_Right:
            return cursorKey(CursorKey::Right);
        case Qt::Key_Up:
            return cursorKey(CursorKey::Up);
        case Qt::Key_Down:
            return cursorKey(CursorKey::Down);
        case Qt::Key_Space:
            if (!e->isAutoRepeat()) cursorKey(CursorKey::SpaceDown);
            return;
        default:
            return QWidget::keyPressEvent(e);
    }
}

void ImageView::keyReleaseEvent(QKeyEvent* e) {
    if (!cursor_ || e->key() != Qt::Key_Space || e->isAutoRepeat()) return QWidget::keyReleaseEvent(e);
    cursorKey(CursorKey::SpaceUp);
}

void ImageView::focusInEvent(QFocusEvent* e) {
    // Focus passed on by a page switched with the mouse shows nothing until a key is used.
    const Qt::FocusReason reason = e->reason();
    if (cursor_)
        cursor_->shown = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                         reason == Qt::ShortcutFocusReason;
    update();
    QWidget::focusInEvent(e);
}

void ImageView::focusOutEvent(QFocusEvent* e) {
    // Leaving with space held lets go of the button, as a mouse released outside would.
    if (cursor_) cursorKey(CursorKey::Leave);
    update();
    QWidget::focusOutEvent(e);
}

void ImageView::mousePressEvent(QMouseEvent* e) {
    if (onPress) onPress(pixelOf(e, zoom_).x(), pixelOf(e, zoom_).y());
}

void ImageView::mouseMoveEvent(QMouseEvent* e) {
    if (onMove) onMove(pixelOf(e, zoom_).x(), pixelOf(e, zoom_).y());
}

void ImageView::mouseReleaseEvent(QMouseEvent* e) {
    if (onRelease) onRelease(pixelOf(e, zoom_).x(), pixelOf(e, zoom_).y());
}

}  // namespace vemrik
