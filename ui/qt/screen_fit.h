#pragma once

#include <QRect>
#include <QScrollArea>

namespace vemrik {

/// Contents that scroll when the window is smaller than they are. Its size hint is the contents'
/// whole size, so a window on a large screen opens showing all of it without scroll bars.
class FittingScrollArea : public QScrollArea {
public:
    /// `minimum` is the least size the area asks for, scroll bars included; never more than the
    /// whole contents.
    explicit FittingScrollArea(QWidget* contents, QSize minimum, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void setMinimum(QSize minimum);

private:
    QSize minimum_;
};

/// A window's frame rectangle as `wanted`, but no larger than `available` (nor smaller than
/// `minimum`), moved the least that puts it inside; a window too large for it keeps its top-left
/// corner on the screen, where the title bar and the first controls are.
QRect fittedFrame(QRect wanted, QSize minimum, QRect available);

/// Sizes a top-level window to `wanted` or as much of it as the screen it is on leaves room for,
/// never below its least size, and moves it onto that screen's available area.
void fitOnScreen(QWidget* window, QSize wanted);
/// The same within `available`, a screen's area given.
void fitWithin(QWidget* window, QSize wanted, QRect available);

}  // namespace vemrik
