#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

#include "platform/texts.h"
#include "ui/race_board.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vemrik {

class MainWindow;

/// The race's picture, fitted into the widget without changing its shape, pixel for pixel larger.
class RaceView : public QWidget {
public:
    RaceView(RaceBoard& board, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    RaceBoard& board_;
};

/// The projector's view: the picture alone over the whole screen; Escape leaves it.
class ProjectorView : public QWidget {
public:
    explicit ProjectorView(RaceBoard& board);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    RaceView* view_;
};

/// "Wyścig": the track and 2 to 6 workspace files (chosen or dropped), the run timer's buttons,
/// the picture, the finish order, "Pokaż przebieg", "Na projektor" and the results as CSV.
class RaceWindow : public QDialog {
public:
    RaceWindow(MainWindow& window, QWidget* parent);

    RaceBoard& board() { return board_; }
    QTableWidget* order() const { return order_; }
    /// Workspace files added as entrants; an error box says why not.
    void addFiles(const QStringList& paths);
    /// The track of a workspace file.
    void chooseTrackFile(const QString& path);
    /// The board's state shown: the buttons, the summary, the table, the picture.
    void refresh();
    /// The run timer's tick.
    void tick();

protected:
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    /// A button named `name` that does `act` and then shows the race anew.
    QPushButton* button(const char* name, const Text& caption, std::function<void()> act);
    void speak();
    void refuse(const std::string& why);
    void useCurrentTrack();
    void showRun();
    void saveResults();
    void showProjector();

    MainWindow& window_;
    RaceBoard board_;
    QTimer timer_;
    QLabel* summary_ = nullptr;
    QLabel* hint_ = nullptr;
    RaceView* view_ = nullptr;
    QComboBox* speed_ = nullptr;
    QTableWidget* order_ = nullptr;
    // The buttons each refresh enables, kept rather than looked up on every tick.
    QPushButton* start_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* step_ = nullptr;
    QPushButton* showRun_ = nullptr;
    QPushButton* saveResults_ = nullptr;
    QPointer<ProjectorView> projector_;
    std::vector<std::pair<QPushButton*, const Text*>> captions_;
};

/// The one race window, made the first time, shown and raised.
RaceWindow& openRaceWindow(MainWindow& window);
/// Opens it on "Wyścig…".
void addRaceAction(MainWindow& window);

}  // namespace vemrik
