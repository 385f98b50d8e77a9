#pragma once

#include <span>
#include <string_view>

#include "platform/texts.h"

namespace vemrik {

/// Slider, Caption, Note and Arrow are the front ends' own additions to the form: the step slider,
/// the texts a front end composes (the step, the start heading), a fixed note and the heading's
/// arrow.
enum class ControlKind {
    Image,
    Button,
    BitButton,
    CheckBox,
    TrackBar,
    Label,
    ListBox,
    Memo,
    Slider,
    Caption,
    Note,
    Arrow
};

/// One control of the form as it is laid out: page -1 is the form itself, outside the notebook.
/// A width or height of 0 sizes the control to its caption.
struct ControlSpec {
    ControlKind kind;
    /// Stable, by page and meaning ("sim.start"): what scripts, tests and the page's interface
    /// call the control by.
    std::string_view id;
    std::string_view name;  // the form's: "Button15"
    int page;
    int left, top, width, height;
    Text caption;  // with its mnemonic: "S&tart"; a note's lines split by '\n'
    bool visible;
};

inline constexpr int kFormLeft = 51;
inline constexpr int kFormTop = 127;
inline constexpr int kFormWidth = 940;
inline constexpr int kFormHeight = 433;
inline constexpr int kNotebookWidth = 793;
inline constexpr int kNotebookHeight = 433;
inline constexpr int kInitialPage = 3;
inline constexpr std::string_view kFormCaption = "Vemrik - vemrik@example.org";
/// The start heading's slider moves by a degree for an arrow key or the wheel, by this for a page.
inline constexpr int kHeadingPageStep = 15;
/// The start heading's arrow is drawn this many pixels square, centred in its control.
inline constexpr int kHeadingArrowSize = 44;

/// Every control of the form but the notebook and the two timers.
std::span<const ControlSpec> formLayout();
/// The control with that id, or nullptr.
const ControlSpec* findControl(std::string_view id);

}  // namespace vemrik
