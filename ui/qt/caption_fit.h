#pragma once

class QPushButton;
class QWidget;

namespace vemrik {

/// The room a push button gives its caption: its width inside the frame and margins.
int captionRoom(const QPushButton* button);

/// Narrows the letters of each push button under `root` whose caption is wider than the button,
/// as a longer translation can be, until it fits; a caption that fits keeps its font.
void fitCaptions(QWidget* root);

}  // namespace vemrik
