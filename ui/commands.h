#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/texts.h"

namespace vemrik {

class TForm1;

/// The menus of the menu bar; None for a command that only a control of the form gives.
enum class MenuId { File, Edit, View, Simulation, Challenges, Help, None };

struct MenuSpec {
    MenuId id;
    std::string_view name;  // the front ends' handle: "file", "view"…
    Text caption;           // with its mnemonic: "&Plik"
};

/// What a command is in a menu: a plain entry, one that is ticked on and off, one of a group of
/// which one is ticked, or a submenu the front end fills (the examples, the recent files).
enum class CommandKind { Action, Toggle, Choice, Filled };

/// One command of the program, as every front end shows it: the window's menus and the page's
/// are both built from this table, and the page and the tests call commands by `id`.
struct Command {
    std::string_view id;  // "file.open", "run.pause"…: stable, never shown
    MenuId menu;
    /// The submenu it sits in, by its caption ("" for the menu itself). Entries of one submenu
    /// follow each other in the table.
    Text submenu;
    Text caption;  // with its mnemonic: "&Otwórz…"
    /// Portable key text as Qt and the page read it: "Ctrl+O", "Ctrl+Shift+S", "F1", "Space";
    /// "" for none.
    std::string_view shortcut;
    CommandKind kind = CommandKind::Action;
    /// A line above it in its menu.
    bool separatorBefore = false;
    /// The form's own handler that runs it, for commands that are the form's; the front end runs
    /// the others (dialogs, files).
    void (TForm1::*run)() = nullptr;
    /// The page on which its key works, -1 for every page: elsewhere the same key belongs to the
    /// controls (the space bar ticks a box on "Algorytm").
    int shortcutPage = -1;
    /// A second key that runs it too, not shown in the menu ("Ctrl+Y" beside "Ctrl+Shift+Z").
    std::string_view otherShortcut = {};
};

/// Every menu, left to right.
std::span<const MenuSpec> menus();
/// Every command, in menu order.
std::span<const Command> commands();
/// The command with that id, or nullptr.
const Command* findCommand(std::string_view id);

/// Whether a command can be chosen now, and for Toggle and Choice whether it is ticked: decided
/// here from the form, so that no front end decides it again. Commands that depend only on the
/// front end (the recent files, the zoom, the language) are enabled and report not ticked; the
/// front end ticks those itself.
struct CommandState {
    bool enabled = true;
    bool checked = false;
    /// Whether its key runs it on the page in front.
    bool keyWorks = true;
    /// Whether the form decides the two above; when not, the front end keeps them.
    bool formHolds = false;
};
CommandState commandState(const TForm1& form, const Command& command);
CommandState commandState(const TForm1& form, std::string_view id);

/// `text` without its mnemonic marker: "&Otwórz…" -> "Otwórz…", "&&" -> "&".
std::string plainCaption(std::string_view text);

}  // namespace vemrik
