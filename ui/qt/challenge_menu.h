#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

#include "ui/challenge_session.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vemrik {

class MainWindow;
class WorkspaceMenu;

/// Where the built-in levels are: beside the installed program, and in the source tree too when
/// the program runs from its build folder.
QStringList challengeFolders();

/// A verdict of "Sprawdź wyzwanie": the stars drawn large, the sentence, the failed runs with
/// "Pokaż przebieg" and the hints.
class ChallengeDialog : public QDialog {
public:
    /// `showRun` shows failed run n in the form, or says why it cannot.
    ChallengeDialog(const std::string& heading, const ChallengeVerdict& verdict,
                    std::function<std::string(std::size_t)> showRun, QWidget* parent);

    QLabel* stars() const { return stars_; }
    QLabel* sentence() const { return sentence_; }
    QListWidget* failedRuns() const { return failed_; }
    QPushButton* showRunButton() const { return showRunButton_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void showSelectedRun();

    std::function<std::string(std::size_t)> showRun_;
    QLabel* stars_ = nullptr;
    QLabel* sentence_ = nullptr;
    QLabel* refusal_ = nullptr;
    QListWidget* failed_ = nullptr;
    QPushButton* showRunButton_ = nullptr;
};

/// "Wyzwania": the levels of the built-in series or of a folder opened, each with the stars earned,
/// opened as a fresh work; checking the work on the open level; saving the progress, which is kept
/// between sessions in the settings.
class ChallengeMenu : public QObject {
public:
    ChallengeMenu(WorkspaceMenu& menu, const QStringList& folders);

    ChallengeSession& session() { return session_; }
    /// The dialog of the last check, while it is open.
    ChallengeDialog* dialog() const { return dialog_; }

    /// "Sprawdź wyzwanie".
    void check();
    /// Opens level `index` of the series, asking about unsaved changes first.
    bool openLevel(std::size_t index);
    /// The series of `folder`; an error box says why not.
    bool openFolder(const QString& folder);

private:
    void fillLevels();
    void saveProgress();
    std::string showRun(const ChallengeVerdict& verdict, const Workspace& judged, std::size_t n);
    void report(const std::string& message);

    WorkspaceMenu& menu_;
    MainWindow& window_;
    ChallengeSession session_;
    QPointer<ChallengeDialog> dialog_;
};

}  // namespace vemrik
