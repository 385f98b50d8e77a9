#pragma once

#include <QObject>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

#include "analysis/rule_reading.h"

class QAction;
class QDockWidget;
class QLabel;
class QListWidget;

namespace vemrik {

class MainWindow;

/// "Inspektor reguł" in the menu "Symulacja": a dock, hidden at start, that follows every step
/// and redraw with the sensor states, the lines matching them with their chances of acting in the
/// next step, going straight on, and the rule of the last step. Clicking a line selects it on
/// "Algorytm". It only reads the form, and while hidden it does nothing at all.
class RuleInspector : public QObject {
public:
    explicit RuleInspector(MainWindow& window);
    ~RuleInspector() override;

    /// The checkable menu entry that shows and hides the dock.
    QAction* action() const { return action_; }
    QDockWidget* dock() const { return dock_; }
    QListWidget* matches() const { return matches_; }
    /// The state shown for sensor slot k (0 .. 7).
    QLabel* sensor(int k) const { return sensors_[static_cast<std::size_t>(k)]; }
    QLabel* lastStep() const { return lastStep_; }

private:
    void build();
    /// Shows the form as it is now; does nothing while hidden.
    void refresh();
    void showSensors(int count);
    void showMatches(int pattern);

    MainWindow& window_;
    QDockWidget* dock_ = nullptr;
    QAction* action_ = nullptr;
    QLabel* count_ = nullptr;
    std::array<QLabel*, 8> sensors_{};
    QLabel* pattern_ = nullptr;
    QListWidget* matches_ = nullptr;
    QLabel* lastStep_ = nullptr;
    int afterHandleKey_ = -1;
    // The list as last read, and what the matches list shows.
    std::uint64_t readVersion_ = ~std::uint64_t{0};
    std::vector<LineReading> reading_;
    QStringList shownMatches_;
    bool sensorsTold_ = false;  // false: the sensors' tooltips are in another language
};

}  // namespace vemrik
