#include "ui/qt/step_back.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>

#include "ui/control_texts.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/texts.h"

namespace vemrik {

StepBackControls::StepBackControls(MainWindow& window) : window_(window) {
    build();
    afterHandleKey_ = window_.addAfterHandle([this] { refresh(); });
    refresh();
}

StepBackControls::~StepBackControls() { window_.removeAfterHandle(afterHandleKey_); }

void StepBackControls::build() {
    button_ = window_.control<QPushButton>("sim.stepBack");
    caption_ = window_.control<QLabel>("sim.stepText");
    slider_ = window_.control<QSlider>("sim.stepSlider");
    slider_->setAccessibleName(Vemrik::tr(ControlTexts::stepSliderName.pl.data()));
    slider_->setFocusPolicy(Qt::StrongFocus);
    caption_->setBuddy(slider_);

    TForm1& form = window_.form();
    connect(button_, &QPushButton::clicked, this,
            [this, &form] { window_.handle([&form] { form.StepBackClick(); }); });
    connect(slider_, &QSlider::valueChanged, this, [this, &form](int step) {
        if (static_cast<std::uint64_t>(step) == form.History.shown()) return;
        window_.handle([&form, step] { form.ShowStep(static_cast<std::uint64_t>(step)); });
    });
}

void StepBackControls::refresh() {
    const RunHistory& history = window_.form().History;
    const bool any = history.active() && history.steps() > 0;
    const int steps = static_cast<int>(history.steps());
    const int shown = static_cast<int>(history.shown());
    button_->setEnabled(any && shown > 0);
    slider_->setEnabled(any);
    if (slider_->maximum() != steps || slider_->value() != shown) {
        const QSignalBlocker quiet(slider_);
        slider_->setRange(0, steps);
        slider_->setValue(shown);
    }
    const QString text = qs(any ? say(ControlTexts::stepOf, {std::to_string(shown), std::to_string(steps)})
                                : say(ControlTexts::noStep));
    if (caption_->text() != text) caption_->setText(text);
}

}  // namespace vemrik
