#include "ui/qt/degree_slider.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QSlider>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

namespace vemrik {

namespace {

// What QToolTip adds around its text and to the right of where it is asked for, with room to spare.
constexpr int kTipFrame = 16;

class DegreeSteps : public QObject {
public:
    explicit DegreeSteps(QSlider* slider) : QObject(slider), slider_(slider) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            const QPoint at = static_cast<QHelpEvent*>(event)->globalPos();
            QToolTip::showText(tipInside(slider_, at, slider_->toolTip()), slider_->toolTip(), slider_);
            return true;
        }
        if (event->type() != QEvent::Wheel) return false;
        // Notches, kept across the small deltas of a touchpad.
        const QPoint delta = static_cast<QWheelEvent*>(event)->angleDelta();
        wheel_ += std::abs(delta.y()) >= std::abs(delta.x()) ? delta.y() : delta.x();
        const int notches = wheel_ / QWheelEvent::DefaultDeltasPerStep;
        wheel_ -= notches * QWheelEvent::DefaultDeltasPerStep;
        for (int n = 0; n < std::abs(notches); ++n)
            slider_->triggerAction(notches > 0 ? QAbstractSlider::SliderSingleStepAdd
                                               : QAbstractSlider::SliderSingleStepSub);
        return true;
    }

private:
    QSlider* slider_;
    int wheel_ = 0;
};

}  // namespace

void stepByDegrees(QSlider* slider, int pageStep) {
    slider->setSingleStep(1);
    slider->setPageStep(pageStep);
    slider->installEventFilter(new DegreeSteps(slider));
}

QPoint tipInside(const QWidget* w, QPoint at, const QString& text) {
    const QWidget* window = w->window();
    const int right = window->mapToGlobal(QPoint(window->width(), 0)).x();
    const int width = QFontMetrics(QToolTip::font()).horizontalAdvance(text) + kTipFrame;
    return {std::max(window->mapToGlobal(QPoint(0, 0)).x(), std::min(at.x(), right - width)), at.y()};
}

}  // namespace vemrik
