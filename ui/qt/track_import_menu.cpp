#include "ui/qt/track_import_menu.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QtConcurrent>

#include "ui/commands.h"
#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"
#include "ui/qt/track_import_dialog.h"
#include "ui/qt/track_picture.h"
#include "ui/qt/workspace_menu.h"

namespace vemrik {

namespace {

// Steps of the progress bar, fine enough that it moves smoothly.
constexpr int kProgressSteps = 1000;
// A picture read quicker than this shows no progress dialog at all.
constexpr int kProgressDelayMs = 400;

}  // namespace

TrackImportMenu::TrackImportMenu(WorkspaceMenu& menu, MainWindow& window) : window_(window) {
    choosePicturePath = [this, &menu] {
        const QString dir =
            menu.filePath().isEmpty() ? menu.startFolder() : QFileInfo(menu.filePath()).absolutePath();
        return QFileDialog::getOpenFileName(&window_, Vemrik::tr("Importuj trasę z obrazu"), dir,
                                            Vemrik::tr("Obrazy (*.png *.jpg *.jpeg *.bmp *.gif);;"
                                                       "Wszystkie pliki (*)"));
    };
    runDialog = [](TrackImportDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
    showError = [this](const QString& message) {
        QMessageBox::critical(&window_, Vemrik::tr("Importuj trasę z obrazu"), message);
    };
    readPicture = [](const QString& path, const ReadProgress& progress) {
        return readTrackPicture(path, progress);
    };
    connect(&watcher_, &QFutureWatcherBase::finished, this, [this] { pictureRead(); });

    import_ = window_.commandAction("file.importTrack");
    undo_ = window_.commandAction("file.undoImport");
    connect(import_, &QAction::triggered, this, [this] { importAsking(); });
    connect(undo_, &QAction::triggered, this, [this] { undo(); });
    afterHandleKey_ = window_.addAfterHandle([this] { refresh(); });
    menu.addLoadObserver([this] { refresh(); });
    refresh();
}

TrackImportMenu::~TrackImportMenu() {
    // The cancelled decoder stops at its next read of the file.
    watcher_.cancel();
    watcher_.waitForFinished();
    window_.removeAfterHandle(afterHandleKey_);
}

void TrackImportMenu::importAsking() {
    const QString path = choosePicturePath();
    if (!path.isEmpty()) importFile(path);
}

void TrackImportMenu::importFile(const QString& path) {
    if (reading_) return;
    reading_ = true;
    const auto read = readPicture;
    watcher_.setFuture(QtConcurrent::run([read, path](QPromise<TrackPicture>& promise) {
        promise.setProgressRange(0, kProgressSteps);
        promise.addResult(read(path, [&promise](double done) {
            promise.setProgressValue(static_cast<int>(done * kProgressSteps));
            return !promise.isCanceled();
        }));
    }));
    showProgress(path);
    refresh();
}

void TrackImportMenu::showProgress(const QString& path) {
    progress_ = new QProgressDialog(Vemrik::tr("Wczytywanie obrazu „%1”…").arg(QFileInfo(path).fileName()),
                                    Vemrik::tr("Anuluj"), 0, kProgressSteps, &window_);
    progress_->setObjectName("importReading");
    progress_->setWindowTitle(Vemrik::tr("Importuj trasę z obrazu"));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setAutoReset(false);
    progress_->setAutoClose(false);
    progress_->setMinimumDuration(kProgressDelayMs);
    connect(progress_, &QProgressDialog::canceled, &watcher_, &QFutureWatcherBase::cancel);
    connect(&watcher_, &QFutureWatcherBase::progressValueChanged, progress_, &QProgressDialog::setValue);
}

void TrackImportMenu::pictureRead() {
    if (progress_) {
        progress_->hide();
        progress_->deleteLater();
    }
    reading_ = false;
    refresh();
    const QFuture<TrackPicture> future = watcher_.future();
    if (future.isCanceled() || future.resultCount() == 0) return;
    const TrackPicture picture = future.result();
    if (picture.cancelled) return;
    if (!picture.error.isEmpty()) {
        showError(picture.error);
        return;
    }
    TrackImportDialog dialog(picture.image, window_.form().State, &window_);
    if (!runDialog(dialog)) return;
    const ImportedTrack& track = dialog.result();
    const ImportPlacement placement = dialog.placement();
    window_.handle([&] { window_.form().ImportTrack(track, placement); });
}

void TrackImportMenu::undo() {
    if (reading_) return;
    window_.handle([this] { window_.form().UndoLastImport(); });
}

void TrackImportMenu::refresh() {
    import_->setEnabled(!reading_);
    undo_->setEnabled(!reading_ && commandState(window_.form(), "file.undoImport").enabled);
}

}  // namespace vemrik
