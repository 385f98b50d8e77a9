#include "ui/qt/track_import_menu.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

#include "ui/qt/main_window.h"
#include "ui/qt/track_import_dialog.h"
#include "ui/qt/track_picture.h"
#include "ui/qt/workspace_menu.h"

namespace vemrik {

TrackImportMenu::TrackImportMenu(WorkspaceMenu& menu, MainWindow& window) : window_(window) {
    choosePicturePath = [this, &menu] {
        const QString dir =
            menu.filePath().isEmpty() ? menu.startFolder() : QFileInfo(menu.filePath()).absolutePath();
        return QFileDialog::getOpenFileName(&window_, QStringLiteral("Importuj trasę z obrazu"), dir,
                                            QStringLiteral("Obrazy (*.png *.jpg *.jpeg *.bmp *.gif);;"
                                                           "Wszystkie pliki (*)"));
    };
    runDialog = [](TrackImportDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
    showError = [this](const QString& message) {
        QMessageBox::critical(&window_, QStringLiteral("Importuj trasę z obrazu"), message);
    };

    import_ = new QAction(QStringLiteral("&Importuj trasę z obrazu…"), menu.fileMenu());
    import_->setObjectName("actionImportTrack");
    undo_ = new QAction(QStringLiteral("Cofnij import&u"), menu.fileMenu());
    undo_->setObjectName("actionUndoImport");
    // Beside "Eksportuj obraz…": pictures come in where they go out.
    QAction* exportImage = menu.action("actionExportImage");
    menu.fileMenu()->insertAction(exportImage, import_);
    menu.fileMenu()->insertAction(exportImage, undo_);
    connect(import_, &QAction::triggered, this, [this] { importAsking(); });
    connect(undo_, &QAction::triggered, this, [this] { undo(); });
    afterHandleKey_ = window_.addAfterHandle([this] { refresh(); });
    // Another workspace may happen to hold the imported track; its import is still not this one's.
    menu.addLoadObserver([this] {
        last_.reset();
        refresh();
    });
    refresh();
}

TrackImportMenu::~TrackImportMenu() { window_.removeAfterHandle(afterHandleKey_); }

bool TrackImportMenu::importAsking() {
    const QString path = choosePicturePath();
    return !path.isEmpty() && importFile(path);
}

bool TrackImportMenu::importFile(const QString& path) {
    const TrackPicture picture = readTrackPicture(path);
    if (!picture.error.isEmpty()) {
        showError(picture.error);
        return false;
    }
    TrackImportDialog dialog(picture.image, window_.form().State, &window_);
    if (!runDialog(dialog)) return false;
    const ImportedTrack& track = dialog.result();
    const ImportPlacement placement = dialog.placement();
    window_.handle([&] { last_ = applyImport(window_.form().State, track, placement); });
    return true;
}

void TrackImportMenu::undo() {
    if (!last_ || !importUndoable(window_.form().State, *last_)) return;
    window_.handle([this] {
        undoImport(window_.form().State, *last_);
        last_.reset();
    });
}

void TrackImportMenu::refresh() { undo_->setEnabled(last_ && importUndoable(window_.form().State, *last_)); }

}  // namespace vemrik
