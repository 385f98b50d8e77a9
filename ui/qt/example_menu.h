#pragma once

#include <QStringList>

class QMenu;

namespace vemrik {

class WorkspaceMenu;

/// Where the examples are: beside the installed program, and in the source tree too when the
/// program runs from its build folder.
QStringList exampleFolders();

/// Fills "Plik" → "Otwórz przykład" with every `*.vemrik` of these folders by name, each with its line
/// from the folder's `descriptions.ini`. Opening one asks about unsaved changes first.
QMenu* addExampleMenu(WorkspaceMenu& menu, const QStringList& folders);

}  // namespace vemrik
