#include "ui/qt/example_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <algorithm>
#include <climits>

#include "ui/qt/language.h"
#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"
#include "ui/qt/workspace_menu.h"

namespace vemrik {

namespace {

const char* const kFolderProperty = "exampleFolder";
const char* const kNameProperty = "exampleName";

// A value of the folder's descriptions.ini in the language spoken (the English in its [en] group),
// or empty when there is none.
QString described(const QSettings& descriptions, const QString& key) {
    QString text;
    if (Catalogue::instance().speech() == Speech::English) text = descriptions.value("en/" + key).toString();
    if (text.isEmpty()) text = descriptions.value(key).toString();
    if (Catalogue::instance().speech() == Speech::Pseudo && !text.isEmpty()) text = pseudoText(text);
    return text;
}

// "Owal — its line": the example's title and line from the folder's descriptions.ini, the file's
// name where it has no title.
QString exampleCaption(const QString& folder, const QString& name) {
    const QSettings descriptions(QDir(folder).filePath("descriptions.ini"), QSettings::IniFormat);
    const QString base = QFileInfo(name).completeBaseName();
    const QString title = described(descriptions, base + ".title");
    const QString about = described(descriptions, base);
    const QString shown = title.isEmpty() ? name : title;
    return about.isEmpty() ? shown : shown + QStringLiteral(" — ") + about;
}

// The folder's examples, easiest first as descriptions.ini orders them; those it does not order
// after them by name.
QStringList examplesInOrder(const QDir& dir) {
    QStringList names = dir.entryList({"*.vemrik"}, QDir::Files | QDir::Readable, QDir::Name);
    const QSettings descriptions(dir.filePath("descriptions.ini"), QSettings::IniFormat);
    const auto order = [&](const QString& name) {
        return descriptions.value(QFileInfo(name).completeBaseName() + ".order", INT_MAX).toInt();
    };
    std::stable_sort(names.begin(), names.end(),
                     [&](const QString& a, const QString& b) { return order(a) < order(b); });
    return names;
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
        const QStringList names = examplesInOrder(dir);
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
