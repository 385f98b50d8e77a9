#include "ui/qt/language_menu.h"

#include <QAction>
#include <QMessageBox>  // the window's error box pointer needs the whole type

#include "ui/qt/language.h"
#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

struct LanguageEntry {
    Speech speech;
    const char* command;
};

constexpr LanguageEntry kEntries[] = {
    {Speech::Polish, "view.polish"},
    {Speech::English, "view.english"},
};

}  // namespace

void connectLanguageMenu(MainWindow& window) {
    for (const LanguageEntry& entry : kEntries) {
        QAction* a = window.commandAction(entry.command);
        a->setChecked(Catalogue::instance().speech() == entry.speech);
        QObject::connect(a, &QAction::triggered, &window, [speech = entry.speech] {
            keepSpeech(speech);
            Catalogue::instance().speak(speech);
        });
    }
}

}  // namespace vemrik
