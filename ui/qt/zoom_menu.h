#pragma once

namespace vemrik {

class MainWindow;

/// "Widok" → "Powiększenie": ×1, ×1,5 or ×2, or "Dopasuj do ekranu", one of them checked, the form
/// shown that much larger with sharp pixels and the window's texts with it. Only the zooms at which
/// the window fits its screen can be chosen; the fit takes the largest of them, again whenever the
/// window moves to another screen or the screen's room changes. The choice is kept in the settings
/// and comes back at the next start.
void connectZoomMenu(MainWindow& window);

}  // namespace vemrik
