#pragma once

#include <map>
#include <string_view>

#include "ui/commands.h"

class QAction;
class QDockWidget;
class QMenu;

namespace vemrik {

class MainWindow;

/// The menu bar, built from the command table in its order; each feature takes its entry by the
/// command's id and connects to it. The form's own commands run here, and those whose state the
/// core decides are enabled and ticked from the form after every handled event.
class CommandMenus {
public:
    explicit CommandMenus(MainWindow& window);
    ~CommandMenus();
    CommandMenus(const CommandMenus&) = delete;
    CommandMenus& operator=(const CommandMenus&) = delete;

    /// The entry of the command `id` (for a filled submenu its menu's entry), or nullptr.
    QAction* action(std::string_view id) const;
    /// The submenu a filled command stands for ("file.examples"), or nullptr.
    QMenu* menu(std::string_view id) const;
    /// A menu of the bar.
    QMenu* menu(MenuId id) const;

private:
    void build();
    QAction* addCommand(QMenu* menu, const Command& command);
    void runOnTrigger(QAction* action, const Command& command);
    void showState();

    MainWindow& window_;
    std::map<MenuId, QMenu*> menus_;
    std::map<std::string_view, QAction*> actions_;
    std::map<std::string_view, QMenu*> filled_;
    int afterHandleKey_ = -1;
};

/// Shows and hides `dock` with the ticks of `action`, and ticks it when the dock shows or hides
/// on its own (its close button).
void followDock(QAction* action, QDockWidget* dock);

}  // namespace vemrik
