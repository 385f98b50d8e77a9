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
};

/// Writes the window's robot and rules as the sketch folder `dir`/NAME, NAME taken from the open
/// file's name ("robot" with none), with the seed in effect.
ArduinoExportResult exportArduinoSketch(MainWindow& window, const QString& workspacePath, const QString& dir);

/// Adds "Plik" → "Eksportuj na Arduino…": asks for a folder, exports, and says where the sketch
/// went or why it could not.
QAction* addArduinoExportAction(WorkspaceMenu& menu, MainWindow& window);

}  // namespace vemrik
