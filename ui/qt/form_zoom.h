#pragma once

#include "ui/zoom.h"

class QWidget;

namespace vemrik {

/// The texts grow with the zoom: the window's (the form's, its menus, status bar and docks) and the
/// application's (the dialogs and menus the program opens). Back at ×1 they are as they were.
void zoomTexts(QWidget* window, Zoom zoom);
/// Shows the form larger: the form, its notebook and every control on the notebook's pages placed
/// and sized from where they are at ×1, and the pictures each image pixel a sharp block; the text
/// is the window's, zoomed before. Back at ×1 everything is exactly where and as it was.
void zoomForm(QWidget* form, Zoom zoom);

}  // namespace vemrik
