#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

#include "track_import/import_apply.h"
#include "ui/qt/track_picture.h"

class QAction;
class QProgressDialog;

namespace vemrik {

class MainWindow;
class TrackImportDialog;
class WorkspaceMenu;

/// "Plik" → "Importuj trasę z obrazu…" and "Cofnij importu". The import changes the track like
/// any edit (the workspace shows it changed, "Cofnij" takes back its strokes one at a time);
/// "Cofnij importu" puts back the whole track as it was before, and is enabled only while the
/// track is still exactly as the import left it, so it never throws away a later edit. The picture
/// is read on a worker thread while the window goes on, with a progress dialog to cancel it.
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
    /// Reads the picture; runs on a worker thread.
    std::function<TrackPicture(const QString& path, const ReadProgress& progress)> readPicture;

    /// Asks for a picture and starts importing it.
    void importAsking();
    /// Starts reading this picture; once it is read, imports it through the dialog. On any error
    /// or cancel nothing changes. Does nothing while another picture is being read.
    void importFile(const QString& path);
    /// The reading started last; once it finished, the rest of the import follows from the
    /// window's event loop.
    QFuture<TrackPicture> reading() const { return watcher_.future(); }
    /// Puts back the track as it was before the last import, if it is still as the import left it.
    void undo();

    QAction* importAction() const { return import_; }
    QAction* undoAction() const { return undo_; }

private:
    void showProgress(const QString& path);
    void pictureRead();
    void refresh();

    MainWindow& window_;
    QAction* import_ = nullptr;
    QAction* undo_ = nullptr;
    bool reading_ = false;
    QFutureWatcher<TrackPicture> watcher_;
    QPointer<QProgressDialog> progress_;
    int afterHandleKey_ = -1;
};

}  // namespace vemrik
