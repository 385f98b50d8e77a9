#pragma once

#include <QObject>
#include <QString>
#include <array>

class QCheckBox;
class QLabel;
class QSlider;

namespace vemrik {

class MainWindow;

/// Hints at the controls for a reader who is learning: each sensor box has its number above it
/// and names its sensor in a tooltip ("czujnik 1" …), and looks greyed, though still clickable,
/// when the robot lacks that sensor;
/// on "Algorytm" the boxes tick the pattern the rule text is composed from; the two sliders show
/// their value in a tooltip while they are dragged.
class ControlHints : public QObject {
public:
    explicit ControlHints(MainWindow& window);
    ~ControlHints() override;

    QCheckBox* box(int n) const { return boxes_[static_cast<std::size_t>(n - 1)]; }
    QLabel* number(int n) const { return numbers_[static_cast<std::size_t>(n - 1)]; }
    /// Whether box n (1 .. 8) has the greyed look of a missing sensor.
    bool greyed(int n) const { return greyed_[static_cast<std::size_t>(n - 1)]; }

private:
    void numberBoxes();
    void showValueWhileDragging(QSlider* slider, const char* format);
    void refresh();
    void markMissingSensors(int sensors);

    MainWindow& window_;
    std::array<QCheckBox*, 8> boxes_{};
    std::array<QLabel*, 8> numbers_{};
    std::array<bool, 8> greyed_{};
    int shownSensors_ = -1;
    int afterHandleKey_ = -1;
};

}  // namespace vemrik
