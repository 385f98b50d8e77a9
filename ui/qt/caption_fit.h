#pragma once

class QPushButton;
class QWidget;

namespace vemrik {

/// The room a push button gives its caption: its width inside the frame and margins.
int captionRoom(const QPushButton* button);

/// Narrows the letters of each push button under `form` whose caption is wider than the button,
/// as a longer translation can be, until it fits; a caption that fits keeps the form's font.
void fitCaptions(QWidget* form);

}  // namespace vemrik
