#pragma once

#include "ui/zoom.h"

class QWidget;

namespace vemrik {

/// Shows the form larger: the form, its notebook and every control on the notebook's pages placed
/// and sized from where they are at ×1, the text in proportion, and the pictures each image pixel
/// a sharp block. Back at ×1 everything is exactly where and as it was.
void zoomForm(QWidget* form, Zoom zoom);

}  // namespace vemrik
