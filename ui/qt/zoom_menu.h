#pragma once

namespace vemrik {

class MainWindow;

/// "Widok" → "Powiększenie": ×1, ×1,5 or ×2, one of them checked, the form shown that much larger
/// with sharp pixels. The choice is kept in the settings and comes back at the next start.
void connectZoomMenu(MainWindow& window);

}  // namespace vemrik
