#pragma once

#include <QObject>

class QAction;

namespace vemrik {

class MainWindow;

/// "Pauza" at the top of the "Symulacja" menu, with the space bar on the "Symulacja" page. A
/// click on a run button leaves the keyboard focus where it was, so after "Włącz" the space bar
/// pauses; a button, check box or list that has the focus (reached with Tab) keeps its own space
/// bar.
class PauseAction : public QObject {
public:
    explicit PauseAction(MainWindow& window);
    ~PauseAction() override;

    QAction* action() const { return action_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow& window_;
    QAction* action_ = nullptr;
};

}  // namespace vemrik
