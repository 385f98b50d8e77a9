#pragma once

#include <memory>

#include "ui/qt/main_window.h"

namespace vemrik {

class ChallengeMenu;
class ControlHints;
class HeadingMarks;
class MnemonicUnderlines;
class NoticeOverlay;
class PauseAction;
class RecentFiles;
class RuleInspector;
class RunView;
class StepBackControls;
class TrackImportMenu;
class WorkspaceMenu;

/// The window as `vemrik` opens it: the main window with every feature attached, in the order
/// their menus appear. Tests build the same whole to see what a user sees.
class ProgramWindow {
public:
    ProgramWindow();
    ~ProgramWindow();

    ChallengeMenu& challenges() { return *challenges_; }

    /// Shows the window and makes it the active one, so its keys (Ctrl+Q among them) work at once
    /// even where no window manager hands out the focus.
    void show();

    MainWindow& window() { return window_; }
    WorkspaceMenu& menu() { return *menu_; }

private:
    MainWindow window_;
    // Attached after the window and taken off before it, last first.
    std::unique_ptr<WorkspaceMenu> menu_;
    std::unique_ptr<TrackImportMenu> trackImport_;
    std::unique_ptr<RecentFiles> recent_;
    std::unique_ptr<ChallengeMenu> challenges_;
    std::unique_ptr<RunView> runView_;
    std::unique_ptr<RuleInspector> inspector_;
    std::unique_ptr<StepBackControls> stepBack_;
    std::unique_ptr<PauseAction> pause_;
    std::unique_ptr<HeadingMarks> headingMarks_;
    std::unique_ptr<NoticeOverlay> notices_;
    std::unique_ptr<ControlHints> hints_;
    std::unique_ptr<MnemonicUnderlines> underlines_;
};

}  // namespace vemrik
