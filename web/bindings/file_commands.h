#pragma once

namespace vemrik::web {

/// The module's functions behind the page's file and run commands: the recent files, the names
/// of saved files, "Zapisz przebieg…", "Eksportuj obraz…" and "Ziarno losowania…".
void bindFileCommands();

}  // namespace vemrik::web
