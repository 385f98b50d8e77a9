#include "ui/qt/command_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>  // the window's error box pointer needs the whole type
#include <algorithm>

#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

// The object names the entries always had: tests and UI automation find them by these.
constexpr std::pair<std::string_view, const char*> kObjectNames[] = {
    {"file", "menuFile"},
    {"edit", "menuEdit"},
    {"simulation", "menuSimulation"},
    {"view", "menuView"},
    {"help", "menuHelp"},
    {"S&zybkość", "menuSpeed"},
    {"&Powiększenie", "menuZoom"},
    {"&Język", "menuLanguage"},
    {"file.new", "actionNew"},
    {"file.open", "actionOpen"},
    {"file.examples", "menuExamples"},
    {"file.recent", "menuRecent"},
    {"file.robotLog", "actionOpenRobotLog"},
    {"file.save", "actionSave"},
    {"file.saveAs", "actionSaveAs"},
    {"file.importTrack", "actionImportTrack"},
    {"file.undoImport", "actionUndoImport"},
    {"file.exportImage", "actionExportImage"},
    {"file.arduino", "actionExportArduino"},
    {"file.print", "actionPrintTrack"},
    {"file.quit", "actionQuit"},
    {"edit.undo", "actionUndo"},
    {"edit.redo", "actionRedo"},
    {"run.pause", "actionPause"},
    {"run.trail", "actionShowTrail"},
    {"run.speed1", "actionSpeed1"},
    {"run.speed2", "actionSpeed2"},
    {"run.speed4", "actionSpeed4"},
    {"run.seed", "actionSeed"},
    {"run.repeatable", "actionRepeatable"},
    {"run.saveRun", "actionSaveRun"},
    {"run.evaluate", "actionEvaluate"},
    {"run.inspector", "actionRuleInspector"},
    {"run.timeline", "actionRunTimeline"},
    {"view.zoom100", "actionZoom100"},
    {"view.zoom150", "actionZoom150"},
    {"view.zoom200", "actionZoom200"},
    {"view.zoomFit", "actionZoomFit"},
    {"view.polish", "actionPolish"},
    {"view.english", "actionEnglish"},
    {"help.guide", "actionGuide"},
    {"help.about", "actionAbout"},
};

QString objectName(std::string_view key) {
    for (const auto& [k, name] : kObjectNames)
        if (k == key) return QString::fromLatin1(name);
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// A text the same in every language (a language's own name, "×&2") is not translated.
QString caption(const Text& text) {
    return text.pl == text.en ? QString::fromUtf8(text.pl.data(), static_cast<qsizetype>(text.pl.size()))
                              : Vemrik::tr(text.pl.data());
}

}  // namespace

CommandMenus::CommandMenus(MainWindow& window) : window_(window) {
    build();
    afterHandleKey_ = window_.addAfterHandle([this] { showState(); });
    showState();
}

CommandMenus::~CommandMenus() { window_.removeAfterHandle(afterHandleKey_); }

void CommandMenus::build() {
    for (const MenuSpec& heading : menus()) {
        QMenu* menu = window_.menuBar()->addMenu(caption(heading.caption));
        menu->setObjectName(objectName(heading.name));
        menus_[heading.id] = menu;
    }
    QMenu* submenu = nullptr;
    std::string_view submenuCaption;
    QActionGroup* choices = nullptr;
    for (const Command& c : commands()) {
        if (c.menu == MenuId::None) continue;
        QMenu* menu = menus_.at(c.menu);
        const bool opensSubmenu = !c.submenu.pl.empty() && c.submenu.pl != submenuCaption;
        if (c.separatorBefore) (opensSubmenu || c.submenu.pl.empty() ? menu : submenu)->addSeparator();
        if (opensSubmenu) {
            submenu = menu->addMenu(caption(c.submenu));
            submenu->setObjectName(objectName(c.submenu.pl));
            choices = nullptr;
        }
        submenuCaption = c.submenu.pl;
        QAction* action = addCommand(c.submenu.pl.empty() ? menu : submenu, c);
        if (c.kind != CommandKind::Choice) continue;
        if (!choices) choices = new QActionGroup(submenu);
        choices->addAction(action);
    }
}

QAction* CommandMenus::addCommand(QMenu* menu, const Command& c) {
    if (c.kind == CommandKind::Filled) {
        QMenu* filled = menu->addMenu(caption(c.caption));
        filled->setObjectName(objectName(c.id));
        filled_[c.id] = filled;
        return actions_[c.id] = filled->menuAction();
    }
    QAction* action = menu->addAction(caption(c.caption));
    action->setObjectName(objectName(c.id));
    if (!c.shortcut.empty()) action->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
    if (!c.otherShortcut.empty())
        action->setShortcuts({action->shortcut(), QKeySequence(QString::fromLatin1(c.otherShortcut))});
    action->setCheckable(c.kind == CommandKind::Toggle || c.kind == CommandKind::Choice);
    if (c.run) runOnTrigger(action, c);
    return actions_[c.id] = action;
}

void CommandMenus::runOnTrigger(QAction* action, const Command& c) {
    QObject::connect(action, &QAction::triggered, &window_,
                     [this, run = c.run] { window_.handle([this, run] { (window_.form().*run)(); }); });
}

void CommandMenus::showState() {
    for (const Command& c : commands()) {
        const CommandState state = commandState(window_.form(), c);
        QAction* action = this->action(c.id);
        if (!action) continue;
        // Elsewhere the same key belongs to the page's controls (the space bar ticks a box).
        if (c.shortcutPage >= 0) {
            const QKeySequence key =
                state.keyWorks ? QKeySequence(QString::fromLatin1(c.shortcut)) : QKeySequence();
            if (action->shortcut() != key) action->setShortcut(key);
        }
        if (!state.formHolds) continue;
        if (action->isEnabled() != state.enabled) action->setEnabled(state.enabled);
        if (action->isChecked() != state.checked) action->setChecked(state.checked);
    }
}

QAction* CommandMenus::action(std::string_view id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* CommandMenus::menu(std::string_view id) const {
    const auto it = filled_.find(id);
    return it == filled_.end() ? nullptr : it->second;
}

QMenu* CommandMenus::menu(MenuId id) const { return menus_.at(id); }

void followDock(QAction* action, QDockWidget* dock) {
    QObject::connect(action, &QAction::triggered, dock, [dock](bool shown) {
        dock->setVisible(shown);
        if (shown) dock->raise();
    });
    QObject::connect(dock, &QDockWidget::visibilityChanged, action, [action](bool shown) {
        const QSignalBlocker quiet(action);
        action->setChecked(shown);
    });
}

}  // namespace vemrik
