#pragma once

class QMenu;

namespace vemrik {

class MainWindow;

/// "Język" under "Widok": Polski or English, kept in the settings for the next start and said at
/// once in the open window, which keeps its work.
QMenu* addLanguageMenu(MainWindow& window);

}  // namespace vemrik
