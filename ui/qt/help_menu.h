#pragma once

class QDialog;

namespace vemrik {

class MainWindow;

/// "Pomoc" at the end of the menu bar: the guide shipped with the program and "O programie".
void connectHelpMenu(MainWindow& window);

/// The guide in a window of its own, sized to fit a small laptop screen; the caller shows it.
QDialog* makeGuideDialog(MainWindow& window);

}  // namespace vemrik
