#include "ui/qt/pause_action.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTabWidget>
#include <string_view>

#include "ui/commands.h"
#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

constexpr std::string_view kPause = "run.pause";

// Widgets whose own space bar presses, ticks, selects or opens.
bool usesSpace(const QObject* o) {
    return qobject_cast<const QAbstractButton*>(o) || qobject_cast<const QAbstractItemView*>(o) ||
           qobject_cast<const QComboBox*>(o);
}

}  // namespace

PauseAction::PauseAction(MainWindow& window) : window_(window) {
    action_ = window_.commandAction(kPause);
    const Command& pause = *findCommand(kPause);
    action_->setToolTip(Vemrik::tr("Zatrzymuje przebieg w miejscu; dalej: „Włącz” albo „Krok”"));

    // A mouse click on a run button must not take the focus, or the space bar would press that
    // button again instead of pausing; Tab still reaches them.
    QWidget* page = window_.notebook()->widget(pause.shortcutPage);
    for (QAbstractButton* b : page->findChildren<QAbstractButton*>())
        if (b->focusPolicy() == Qt::StrongFocus) b->setFocusPolicy(Qt::TabFocus);
    qApp->installEventFilter(this);
}

PauseAction::~PauseAction() { qApp->removeEventFilter(this); }

bool PauseAction::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && usesSpace(watched)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            event->accept();  // the focused widget takes its space bar before the shortcut
            return true;
        }
    }
    return false;
}

}  // namespace vemrik
