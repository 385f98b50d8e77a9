#pragma once

#include <span>
#include <string_view>

namespace vemrik {

enum class ControlKind { Image, Button, BitButton, CheckBox, TrackBar, Label, ListBox, Memo };

/// One control of the form as it is laid out: page -1 is the form itself, outside the notebook.
/// A width or height of 0 sizes the control to its caption.
struct ControlSpec {
    ControlKind kind;
    std::string_view name;
    int page;
    int left, top, width, height;
    std::string_view caption;
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

/// Every control of the form but the notebook and the two timers.
std::span<const ControlSpec> formLayout();
/// The control of that name, or nullptr.
const ControlSpec* findControl(std::string_view name);

}  // namespace vemrik
