#include "ui/qt/screen_fit.h"

#include <QScreen>
#include <algorithm>

namespace vemrik {

FittingScrollArea::FittingScrollArea(QWidget* contents, QSize minimum, QWidget* parent)
    : QScrollArea(parent), minimum_(minimum) {
    setFrameShape(QFrame::NoFrame);
    // The keys go to the controls inside, which the area scrolls into sight, as they did before.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setWidget(contents);
}

QSize FittingScrollArea::sizeHint() const {
    // QScrollArea caps its hint at a few dozen lines of text; the whole contents are wanted here.
    const QWidget* w = widget();
    const QSize whole = w->sizeHint().expandedTo(w->minimumSizeHint()).expandedTo(w->minimumSize());
    const int f = 2 * frameWidth();
    return whole + QSize(f, f);
}

QSize FittingScrollArea::minimumSizeHint() const { return minimum_.boundedTo(sizeHint()); }

void FittingScrollArea::setMinimum(QSize minimum) {
    minimum_ = minimum;
    updateGeometry();
}

QRect fittedFrame(QRect wanted, QSize minimum, QRect available) {
    QRect frame(wanted.topLeft(), wanted.size().boundedTo(available.size()).expandedTo(minimum));
    frame.moveLeft(std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width())));
    frame.moveTop(std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height())));
    return frame;
}

void fitWithin(QWidget* window, QSize wanted, QRect available) {
    // Before the window is mapped its frame is not known yet and counts as none.
    const QRect inner = window->geometry(), outer = window->frameGeometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
    const QRect whole = QRect(inner.topLeft(), wanted.expandedTo(least)).marginsAdded(frame);
    const QRect fitted = fittedFrame(whole, least.grownBy(frame), available);
    window->resize(fitted.marginsRemoved(frame).size());
    // Only a real move (a window's position is its frame's): a dialog not yet placed is still
    // centred over its parent when shown.
    if (fitted.topLeft() != outer.topLeft()) window->move(fitted.topLeft());
}

void fitOnScreen(QWidget* window, QSize wanted) {
    if (const QScreen* screen = window->screen()) fitWithin(window, wanted, screen->availableGeometry());
}

}  // namespace vemrik
