#include "ui/qt/example_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "ui/qt/workspace_menu.h"

namespace vemrik {

QStringList exampleFolders() {
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList folders{
        QDir::cleanPath(QDir(programDir).filePath(QStringLiteral(VEMRIK_INSTALLED_EXAMPLES)))};
    if (QFileInfo(programDir) == QFileInfo(QStringLiteral(VEMRIK_BUILD_DIR)))
        folders << QStringLiteral(VEMRIK_SOURCE_EXAMPLES);
    return folders;
}

QMenu* addExampleMenu(WorkspaceMenu& menu, const QStringList& folders) {
    auto* examples = new QMenu(QStringLiteral("Otwórz &przykład"), menu.fileMenu());
    examples->setObjectName("menuExamples");
    menu.fileMenu()->insertMenu(menu.action("actionSave"), examples);
    for (const QString& folder : folders) {
        const QDir dir(folder);
        const QSettings descriptions(dir.filePath("descriptions.ini"), QSettings::IniFormat);
        const QStringList names = dir.entryList({"*.vemrik"}, QDir::Files | QDir::Readable, QDir::Name);
        if (!names.isEmpty() && !examples->isEmpty()) examples->addSeparator();
        for (const QString& name : names) {
            const QString about = descriptions.value(QFileInfo(name).completeBaseName()).toString();
            QAction* a = examples->addAction(about.isEmpty() ? name : name + QStringLiteral(" — ") + about);
            a->setToolTip(QDir::toNativeSeparators(dir.filePath(name)));
            QObject::connect(a, &QAction::triggered, &menu,
                             [&menu, path = dir.filePath(name)] { menu.openAsking(path); });
        }
    }
    examples->menuAction()->setEnabled(!examples->isEmpty());
    return examples;
}

}  // namespace vemrik
