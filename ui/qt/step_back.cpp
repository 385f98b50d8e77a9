#include "ui/qt/step_back.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>

#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

// Below "Wyłącz", in the column of the run buttons, clear of the image and the track bar.
const QRect kButtonGeometry(704, 152, 75, 17);
// Two lines, so "Krok 99999 z 100000" fits the column.
const QRect kCaptionGeometry(704, 174, 84, 34);
const QRect kSliderGeometry(704, 210, 78, 22);

}  // namespace

StepBackControls::StepBackControls(MainWindow& window) : window_(window) {
    build();
    afterHandleKey_ = window_.addAfterHandle([this] { refresh(); });
    refresh();
}

StepBackControls::~StepBackControls() { window_.removeAfterHandle(afterHandleKey_); }

void StepBackControls::build() {
    QWidget* page = window_.notebook()->widget(kSimulationPage);
    button_ = new QPushButton(Vemrik::tr("Krok wst&ecz"), page);
    button_->setObjectName("ButtonStepBack");
    button_->setGeometry(kButtonGeometry);
    caption_ = new QLabel(page);
    caption_->setObjectName("LabelStep");
    caption_->setGeometry(kCaptionGeometry);
    caption_->setWordWrap(true);
    slider_ = new QSlider(Qt::Horizontal, page);
    slider_->setObjectName("SliderStep");
    slider_->setAccessibleName(Vemrik::tr("Krok przebiegu"));
    slider_->setGeometry(kSliderGeometry);
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
    const QString text = any ? Vemrik::tr("Krok %1 z %2").arg(shown).arg(steps) : Vemrik::tr("Krok: brak");
    if (caption_->text() != text) caption_->setText(text);
}

}  // namespace vemrik
