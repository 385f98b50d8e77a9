#include "ui/qt/language_menu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "ui/qt/language.h"
#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

struct LanguageEntry {
    Speech speech;
    const char* name;
    const char* caption;  // each language by its own name, the same in every language
};

constexpr LanguageEntry kEntries[] = {
    {Speech::Polish, "actionPolish", "&Polski"},
    {Speech::English, "actionEnglish", "&English"},
};

}  // namespace

QMenu* addLanguageMenu(MainWindow& window) {
    QMenu* view = window.menuBar()->findChild<QMenu*>("menuView");
    if (!view) view = window.menuBar()->addMenu(Vemrik::tr("&Widok"));
    QMenu* menu = view->addMenu(Vemrik::tr("&Język"));
    menu->setObjectName("menuLanguage");
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const LanguageEntry& entry : kEntries) {
        QAction* a = menu->addAction(QString::fromUtf8(entry.caption));
        a->setObjectName(entry.name);
        a->setCheckable(true);
        a->setChecked(Catalogue::instance().speech() == entry.speech);
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, &window, [speech = entry.speech] {
            keepSpeech(speech);
            Catalogue::instance().speak(speech);
        });
    }
    return menu;
}

}  // namespace vemrik
