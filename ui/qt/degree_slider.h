#pragma once

#include <QPoint>

class QSlider;
class QString;
class QWidget;

namespace vemrik {

/// A slider of degrees moves by one for an arrow key or a notch of the wheel (Qt's wheel moves
/// three steps a notch), by `pageStep` for Page Up or Down, and keeps its tooltip in the window.
void stepByDegrees(QSlider* slider, int pageStep);

/// Where a tooltip of `text` wanted at `at` (global) shows all of it inside `w`'s window.
QPoint tipInside(const QWidget* w, QPoint at, const QString& text);

}  // namespace vemrik
