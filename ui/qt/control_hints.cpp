#include "ui/qt/control_hints.h"

#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QToolTip>
#include <algorithm>

#include "robot/robot_cells.h"
#include "ui/control_texts.h"
#include "ui/qt/degree_slider.h"
#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

// The untranslated text a slider's value is shown in, kept on the slider.
constexpr const char* kHintFormat = "vemrikHintFormat";

// The colours a disabled widget is drawn in, on a widget that stays enabled.
void lookGreyed(QWidget* w, bool greyed) {
    if (!greyed) {
        w->setPalette(QPalette());  // inherits again
        return;
    }
    QPalette p = w->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::Base, QPalette::Button,
                            QPalette::ButtonText, QPalette::Window, QPalette::Light, QPalette::Midlight,
                            QPalette::Mid, QPalette::Dark, QPalette::Shadow})
        for (const auto group : {QPalette::Active, QPalette::Inactive})
            p.setColor(group, role, p.color(QPalette::Disabled, role));
    w->setPalette(p);
}

int sensorsOf(const Grid& robot) {
    int n = 0;
    forEachSensor(robot, [&n](const Sensor&) { ++n; });
    return std::min(n, kSensorSlots);
}

}  // namespace

ControlHints::ControlHints(MainWindow& window) : window_(window) {
    for (int n = 1; n <= kSensorSlots; ++n)
        boxes_[static_cast<std::size_t>(n - 1)] =
            window_.control<QCheckBox>("rules.sensor" + std::to_string(n));
    numberBoxes();
    showValueWhileDragging(window_.control<QSlider>("rules.angle"),
                           QT_TRANSLATE_NOOP("Vemrik", "kąt reguły: %1°"));
    showValueWhileDragging(window_.control<QSlider>("sim.heading"),
                           QT_TRANSLATE_NOOP("Vemrik", "kierunek startu: %1°"));
    window_.control("map.start")->setToolTip(Vemrik::tr(ControlTexts::startCellTip.pl.data()));
    afterHandleKey_ = window_.addAfterHandle([this] { refresh(); }, [this] { shownSensors_ = -1; });
    refresh();
}

ControlHints::~ControlHints() { window_.removeAfterHandle(afterHandleKey_); }

void ControlHints::numberBoxes() {
    for (int n = 1; n <= kSensorSlots; ++n) {
        QCheckBox* b = box(n);
        QStyleOptionButton option;
        option.initFrom(b);
        const QRect indicator = b->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, b);
        // Above the box, in the free strip between the page's top and the boxes.
        auto* label = new QLabel(QString::number(n), b->parentWidget());
        label->setObjectName(QStringLiteral("LabelSensor%1").arg(n));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->setGeometry(b->x() + indicator.center().x() - 7, b->y() - 15, 15, 14);
        numbers_[static_cast<std::size_t>(n - 1)] = label;
    }
}

void ControlHints::showValueWhileDragging(QSlider* slider, const char* format) {
    slider->setProperty(kHintFormat, QVariant::fromValue(format));
    slider->setToolTip(Vemrik::tr(format).arg(slider->value()));
    connect(slider, &QSlider::valueChanged, this,
            [slider, format](int v) { slider->setToolTip(Vemrik::tr(format).arg(v)); });
    // Above the pointer, which is on the handle while it is dragged.
    connect(slider, &QSlider::sliderMoved, this, [slider, format](int v) {
        const QString tip = Vemrik::tr(format).arg(v);
        QToolTip::showText(tipInside(slider, QCursor::pos() - QPoint(0, 32), tip), tip, slider);
    });
}

void ControlHints::refresh() {
    // Also after a file set the sliders without their signals, and in the language now spoken.
    for (QSlider* s : window_.formWidget()->findChildren<QSlider*>())
        if (const char* f = s->property(kHintFormat).value<const char*>()) {
            const QString tip = Vemrik::tr(f).arg(s->value());
            if (s->toolTip() != tip) s->setToolTip(tip);
        }
    if (window_.notebook()->currentIndex() != kAlgorithmPage || !boxes_[0]) return;
    TForm1& form = window_.form();
    form.ShowPatternOnBoxes();
    for (int n = 1; n <= kSensorSlots; ++n) {
        QCheckBox* b = box(n);
        if (b->isChecked() == form.checkBox(n).checked) continue;
        const QSignalBlocker quiet(b);
        b->setChecked(form.checkBox(n).checked);
    }
    markMissingSensors(sensorsOf(form.State.RobotGrid));
}

void ControlHints::markMissingSensors(int sensors) {
    if (sensors == shownSensors_) return;
    shownSensors_ = sensors;
    for (int n = 1; n <= kSensorSlots; ++n) {
        const bool missing = n > sensors;
        greyed_[static_cast<std::size_t>(n - 1)] = missing;
        QCheckBox* b = box(n);
        lookGreyed(b, missing);
        number(n)->setEnabled(!missing);
        b->setToolTip(missing ? Vemrik::tr("czujnik %1 – tego czujnika robot nie ma").arg(n)
                              : Vemrik::tr("czujnik %1").arg(n));
    }
}

}  // namespace vemrik
