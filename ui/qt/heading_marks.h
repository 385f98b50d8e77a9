#pragma once

#include <QObject>
#include <QPixmap>

class QLabel;

namespace vemrik {

class MainWindow;

/// An arrow pointing at `degrees` (0 up, clockwise as the robot turns), `size` pixels square.
QPixmap headingArrow(int degrees, bool strong, int size);

/// Which way the robot faces, as labels beside the controls: "przód ↑" beside the robot board,
/// and on "Symulacja", under the run controls, the heading "Start" gives as an arrow with its
/// degrees, strong while the robot is held at its start and pale once it is released; and the
/// degrees alone under the start heading's slider.
class HeadingMarks : public QObject {
public:
    explicit HeadingMarks(MainWindow& window);
    ~HeadingMarks() override;

    QLabel* front() const { return front_; }
    QLabel* startCaption() const { return caption_; }
    /// Beside the slider, its value alone.
    QLabel* startValue() const { return value_; }
    QLabel* startArrow() const { return arrow_; }

private:
    void build();
    void refresh();
    /// The note in the language spoken, as wide as its words need.
    void sayFront();

    MainWindow& window_;
    QLabel* front_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* value_ = nullptr;
    QLabel* arrow_ = nullptr;
    int afterHandleKey_ = -1;
    // What the arrow shows now.
    int shownHeading_ = 0;
    bool shownHeld_ = false;
    bool shown_ = false;
};

}  // namespace vemrik
