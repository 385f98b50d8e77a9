#include "ui/qt/example_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "ui/qt/language.h"
#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"
#include "ui/qt/workspace_menu.h"

namespace vemrik {

namespace {

const char* const kFolderProperty = "exampleFolder";
const char* const kNameProperty = "exampleName";

// "oval.vemrik — its line": the line in the language spoken, from the folder's descriptions.ini
// (the English ones in its [en] group), or the name alone when there is none.
QString exampleCaption(const QString& folder, const QString& name) {
    const QSettings descriptions(QDir(folder).filePath("descriptions.ini"), QSettings::IniFormat);
    const QString base = QFileInfo(name).completeBaseName();
    QString about;
    if (Catalogue::instance().speech() == Speech::English)
        about = descriptions.value("en/" + base).toString();
    if (about.isEmpty()) about = descriptions.value(base).toString();
    if (Catalogue::instance().speech() == Speech::Pseudo && !about.isEmpty()) about = pseudoText(about);
    return about.isEmpty() ? name : name + QStringLiteral(" — ") + about;
}

// Says the examples' lines again when the language changes.
class ExampleCaptions : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            for (QAction* a : static_cast<QMenu*>(watched)->actions())
                if (a->property(kNameProperty).isValid())
                    a->setText(exampleCaption(a->property(kFolderProperty).toString(),
                                              a->property(kNameProperty).toString()));
        return false;
    }
};

}  // namespace

QStringList exampleFolders() {
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList folders{
        QDir::cleanPath(QDir(programDir).filePath(QStringLiteral(VEMRIK_INSTALLED_EXAMPLES)))};
    if (QFileInfo(programDir) == QFileInfo(QStringLiteral(VEMRIK_BUILD_DIR)))
        folders << QStringLiteral(VEMRIK_SOURCE_EXAMPLES);
    return folders;
}

QMenu* addExampleMenu(WorkspaceMenu& menu, const QStringList& folders) {
    QMenu* examples = menu.window().commandMenu("file.examples");
    for (const QString& folder : folders) {
        const QDir dir(folder);
        const QStringList names = dir.entryList({"*.vemrik"}, QDir::Files | QDir::Readable, QDir::Name);
        if (!names.isEmpty() && !examples->isEmpty()) examples->addSeparator();
        for (const QString& name : names) {
            QAction* a = examples->addAction(exampleCaption(folder, name));
            a->setProperty(kFolderProperty, folder);
            a->setProperty(kNameProperty, name);
            a->setToolTip(QDir::toNativeSeparators(dir.filePath(name)));
            QObject::connect(a, &QAction::triggered, &menu,
                             [&menu, path = dir.filePath(name)] { menu.openAsking(path); });
        }
    }
    examples->menuAction()->setEnabled(!examples->isEmpty());
    examples->installEventFilter(new ExampleCaptions(examples));
    return examples;
}

}  // namespace vemrik
