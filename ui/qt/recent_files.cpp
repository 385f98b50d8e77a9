#include "ui/qt/recent_files.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/texts.h"
#include "ui/qt/workspace_menu.h"
#include "ui/recent_files.h"

namespace vemrik {

namespace {

const QString kFilesKey = QStringLiteral("recentFiles");
const QString kFolderKey = QStringLiteral("lastFolder");

std::vector<std::string> plainList(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& path : list) out.push_back(path.toStdString());
    return out;
}

QStringList qtList(const std::vector<std::string>& list) {
    QStringList out;
    for (const std::string& path : list) out << qs(path);
    return out;
}

}  // namespace

RecentFiles::RecentFiles(WorkspaceMenu& menu) : QObject(&menu), workspace_(menu) {
    menu_ = menu.window().commandMenu("file.recent");
    menu_->setToolTipsVisible(true);
    rebuild();

    menu.fileUsed = [this](const QString& path) { add(path); };
    menu.startFolder = [this] { return lastFolder(); };
    menu.chooseOpenPath = [this, choose = menu.chooseOpenPath] { return rememberFolder(choose()); };
    menu.chooseSavePath = [this, choose = menu.chooseSavePath](const QString& suggested) {
        return rememberFolder(choose(suggested));
    };
}

QStringList RecentFiles::files() const { return QSettings().value(kFilesKey).toStringList(); }

QString RecentFiles::lastFolder() const {
    const QString folder = QSettings().value(kFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::currentPath();
}

QString RecentFiles::rememberFolder(const QString& chosenPath) {
    if (!chosenPath.isEmpty()) QSettings().setValue(kFolderKey, QFileInfo(chosenPath).absolutePath());
    return chosenPath;
}

void RecentFiles::add(const QString& path) {
    store(qtList(recentWith(plainList(files()), path.toStdString())));
}

void RecentFiles::remove(const QString& path) {
    store(qtList(recentWithout(plainList(files()), path.toStdString())));
}

void RecentFiles::store(const QStringList& files) {
    QSettings().setValue(kFilesKey, files);
    rebuild();
}

void RecentFiles::open(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        remove(path);
        workspace_.showError(
            Vemrik::tr("Plik „%1” już nie istnieje.\nUsunięto go z listy „Ostatnio otwierane”.").arg(path));
        return;
    }
    workspace_.openAsking(path);
}

void RecentFiles::rebuild() {
    // The entry that was just chosen may be among these, still inside its own signal.
    for (QAction* a : menu_->actions()) {
        menu_->removeAction(a);
        a->deleteLater();
    }
    const QStringList list = files();
    for (int i = 0; i < list.size(); ++i) {
        const QString& path = list[i];
        QAction* a = menu_->addAction(
            qs(recentCaption(static_cast<std::size_t>(i), QFileInfo(path).fileName().toStdString())));
        a->setToolTip(QDir::toNativeSeparators(path));
        connect(a, &QAction::triggered, this, [this, path] { open(path); });
    }
    if (!list.isEmpty()) {
        menu_->addSeparator();
        QAction* clear = menu_->addAction(Vemrik::tr("&Wyczyść listę"));
        connect(clear, &QAction::triggered, this, [this] { store({}); });
    }
    menu_->menuAction()->setEnabled(!list.isEmpty());
}

}  // namespace vemrik
