#pragma once

#include <QDialog>
#include <cstdint>

#include "engine/engine.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vemrik {

class MainWindow;

/// "Sprawdź reguły": the findings of the rule check on the work the window holds (a stop the robot
/// drives over unseen, then the rules for its robot), checked again whenever the work changes while
/// the dialog is open. Clicking a finding that names
/// a line selects that line on "Algorytm".
class RuleCheckDialog : public QDialog {
public:
    explicit RuleCheckDialog(MainWindow& window);
    ~RuleCheckDialog() override;

    QListWidget* findings() const { return list_; }
    QLabel* summary() const { return summary_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// Checks again when the work (the rules, the robot, the track) changed since the last check.
    void refresh();

    MainWindow& window_;
    QLabel* summary_ = nullptr;
    QListWidget* list_ = nullptr;
    int afterHandleKey_ = -1;
    WorkVersion checkedWork_;  // no work has version 0
    int checkedSensors_ = -1;
};

/// Adds "Sprawdź reguły…" on "Algorytm" under the rule list; it opens one dialog for the window.
QPushButton* addRuleCheck(MainWindow& window);

}  // namespace vemrik
