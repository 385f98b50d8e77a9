#pragma once

#include <QString>

class QAction;

namespace vemrik {

class MainWindow;
class WorkspaceMenu;

/// What an export did, in Polish: where the sketch went, or why nothing was written.
struct ArduinoExportResult {
    bool written = false;
    QString message;
    /// Nothing was written as a sketch there would be lost: the message asks whether to replace it.
    bool asksToReplace = false;
};

/// Writes the window's robot and rules as the sketch folder `dir`/NAME, NAME taken from the open
/// file's name ("robot" with none), with the seed in effect. A sketch that is not this workspace's
/// earlier export is only replaced with `replace`.
ArduinoExportResult exportArduinoSketch(MainWindow& window, const QString& workspacePath, const QString& dir,
                                        bool replace = false);

/// Makes "Plik" → "Eksportuj na Arduino…" ask for a folder, export, ask before replacing a
/// sketch that is not the workspace's own, and say where the sketch went or why it could not.
QAction* addArduinoExportAction(WorkspaceMenu& menu, MainWindow& window);

}  // namespace vemrik
