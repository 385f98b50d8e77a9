#pragma once

class QLabel;
class QPushButton;
class QWidget;

namespace vemrik {

/// The room a push button gives its caption: its width inside the frame and margins.
int captionRoom(const QPushButton* button);

/// Narrows the letters of each push button under `root` whose caption is wider than the button,
/// as a longer translation can be, until it fits; a caption that fits keeps its font. So too the
/// labels marked by `keepWithinWidth`.
void fitCaptions(QWidget* root);

/// Has `fitCaptions` narrow the label's plain text, as a button's, when it is wider than the label.
void keepWithinWidth(QLabel* label);

}  // namespace vemrik
