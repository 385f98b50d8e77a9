#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "workspace/workspace.h"

namespace vemrik {

class MainWindow;

/// The "Plik" menu: new, open, save, save as, export the page's picture, quit. Keeps the form's
/// document to the file last saved or opened, shows its title, and asks "Zapisać zmiany?" before
/// anything would drop unsaved changes, closing the window included.
class WorkspaceMenu : public QObject {
public:
    enum class SaveAnswer { Save, Discard, Cancel };

    /// Adds the menu bar above the form, keeping the form where it was on the screen.
    explicit WorkspaceMenu(MainWindow& window);
    ~WorkspaceMenu() override;

    // The dialogs, replaceable where no one can click them. An empty path means cancelled.
    std::function<SaveAnswer()> askToSave;
    std::function<QString()> chooseOpenPath;
    std::function<QString(const QString& suggested)> chooseSavePath;
    std::function<QString(const QString& suggested)> chooseImagePath;
    std::function<void(const QString& message)> showError;
    /// Where the dialogs start when no file is open.
    std::function<QString()> startFolder;
    /// Told the absolute path of every file opened or saved.
    std::function<void(const QString& path)> fileUsed;
    /// Called after "Nowy" or an opened file replaced the whole workspace.
    void addLoadObserver(std::function<void()> observer) { loadObservers_.push_back(std::move(observer)); }

    /// "Nowy": the program as right after start-up, with no file. False if the user cancelled.
    bool newWorkspace();
    /// "Otwórz…".
    bool open();
    /// Opens this file (also the one named on the command line); on error nothing changes.
    bool openFile(const QString& path);
    /// Asks about unsaved changes like "Otwórz…", then opens this file.
    bool openAsking(const QString& path);
    /// Asks the same, then puts `ws` in as a work without a file, not modified.
    bool openWork(const Workspace& ws);
    /// "Zapisz": to the open file, or as a new one when there is none.
    bool save();
    /// "Zapisz jako…".
    bool saveAs();
    /// "Eksportuj obraz…": the visible page's picture as PNG.
    bool exportImage();
    /// "Zakończ": closes the window, which asks first like any close.
    void closeWindow();

    /// The form's document: its file, empty while there is none, and whether it was edited since.
    QString filePath() const;
    bool modified() const;
    MainWindow& window() const { return window_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectMenu();
    /// Asks before unsaved changes would be dropped; false when the user cancels.
    bool mayDiscard();
    bool saveTo(const QString& path);
    void load(const Workspace& ws, const QString& path);
    /// The sliders and check boxes only report to the form, so a load sets them here.
    void showInputs();
    void showTitle();

    MainWindow& window_;
    int afterHandleKey_ = -1;
    std::vector<std::function<void()>> loadObservers_;
};

}  // namespace vemrik
