#pragma once

namespace vemrik {

class MainWindow;

/// "Język" under "Widok": Polski or English, kept in the settings for the next start and said at
/// once in the open window, which keeps its work.
void connectLanguageMenu(MainWindow& window);

}  // namespace vemrik
