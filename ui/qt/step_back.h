#pragma once

#include <QObject>

class QLabel;
class QPushButton;
class QSlider;

namespace vemrik {

class MainWindow;

/// "Krok wstecz" and the step slider on "Symulacja", under the run buttons: they show again
/// any step since "Start"; "Krok" or "Włącz" then go on from the step shown.
class StepBackControls : public QObject {
public:
    explicit StepBackControls(MainWindow& window);
    ~StepBackControls() override;

    QPushButton* button() const { return button_; }
    QSlider* slider() const { return slider_; }

private:
    void build();
    /// Follows the form's history: the slider's range and position, what can be pressed.
    void refresh();

    MainWindow& window_;
    QPushButton* button_ = nullptr;
    QLabel* caption_ = nullptr;
    QSlider* slider_ = nullptr;
    int afterHandleKey_ = -1;
};

}  // namespace vemrik
