#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "analysis/run_log_reader.h"
#include "evaluation/robot_log_report.h"
#include "workspace/workspace.h"

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vemrik {

class MainWindow;
class WorkspaceMenu;

/// "Otwórz przebieg robota…": a robot's log (or a run CSV of our own) beside a headless run of the
/// window's rules on its track with the window's seed, as many steps long: how often each line
/// acted, the patterns met that no line is written for, and each pattern's share of the steps.
class RobotLogDialog : public QDialog {
public:
    explicit RobotLogDialog(MainWindow& window);

    /// Reads the log and compares it with the workspace as it is now. A log that cannot be read
    /// is reported through showError and changes nothing.
    bool openLog(const QString& path);

    /// Replaceable where no one can click the message box.
    std::function<void(const QString& message)> showError;

    const std::optional<RunLog>& log() const { return log_; }
    /// The report's first sentence: where the robot and the simulation differ most.
    QLabel* headline() const { return headline_; }
    QLabel* summary() const { return summary_; }
    QTableWidget* lines() const { return lines_; }
    QLabel* uncovered() const { return uncovered_; }
    QTableWidget* patterns() const { return patterns_; }
    /// "Pokaż na osi czasu": the log on the window's time line; disabled where it has none.
    QPushButton* timelineButton() const { return timeline_; }
    void showOnTimeline();

protected:
    void changeEvent(QEvent* event) override;

private:
    /// The title, the groups' and the columns' words in the language the core speaks.
    void showHeadings();
    void showReport();

    MainWindow& window_;
    std::optional<RunLog> log_;
    QString fileName_;
    // What the log was compared with when opened, so a language change words the same report.
    Workspace compared_;
    std::uint32_t seed_ = 0;
    QLabel* headline_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* lines_ = nullptr;
    QLabel* uncovered_ = nullptr;
    QTableWidget* patterns_ = nullptr;
    QPushButton* timeline_ = nullptr;
    QGroupBox* linesGroup_ = nullptr;
    QGroupBox* uncoveredGroup_ = nullptr;
    QGroupBox* patternsGroup_ = nullptr;
};

/// Makes "Plik" → "Otwórz przebieg robota…" ask for a file and show it in one dialog for the
/// window.
QAction* addRobotLogAction(WorkspaceMenu& menu, MainWindow& window);

}  // namespace vemrik
