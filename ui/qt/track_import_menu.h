#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "track_import/import_apply.h"

class QAction;

namespace vemrik {

class MainWindow;
class TrackImportDialog;
class WorkspaceMenu;

/// "Plik" → "Importuj trasę z obrazu…" and "Cofnij importu". The import changes the track like
/// any edit (the workspace shows it changed, "Cofnij" takes back its strokes one at a time);
/// "Cofnij importu" puts back the whole track as it was before, and is enabled only while the
/// track is still exactly as the import left it, so it never throws away a later edit.
class TrackImportMenu : public QObject {
public:
    TrackImportMenu(WorkspaceMenu& menu, MainWindow& window);
    ~TrackImportMenu() override;

    // The dialogs, replaceable where no one can click them.
    /// The picture to read; empty when cancelled.
    std::function<QString()> choosePicturePath;
    /// Shows the dialog; true when the user pressed OK.
    std::function<bool(TrackImportDialog& dialog)> runDialog;
    std::function<void(const QString& message)> showError;

    /// Asks for a picture and imports it.
    bool importAsking();
    /// Imports this picture through the dialog; on any error or cancel nothing changes.
    bool importFile(const QString& path);
    /// Puts back the track as it was before the last import, if it is still as the import left it.
    void undo();

    QAction* importAction() const { return import_; }
    QAction* undoAction() const { return undo_; }

private:
    void refresh();

    MainWindow& window_;
    QAction* import_ = nullptr;
    QAction* undo_ = nullptr;
    std::optional<ImportUndo> last_;
    int afterHandleKey_ = -1;
};

}  // namespace vemrik
