#include "ui/qt/program_window.h"

#include "ui/qt/arduino_export_menu.h"
#include "ui/qt/caption_fit.h"
#include "ui/qt/challenge_menu.h"
#include "ui/qt/control_hints.h"
#include "ui/qt/evaluation_dialog.h"
#include "ui/qt/example_menu.h"
#include "ui/qt/grading_dialog.h"
#include "ui/qt/heading_marks.h"
#include "ui/qt/help_menu.h"
#include "ui/qt/keyboard_aids.h"
#include "ui/qt/language_menu.h"
#include "ui/qt/notice_overlay.h"
#include "ui/qt/pause_action.h"
#include "ui/qt/print_track.h"
#include "ui/qt/race_window.h"
#include "ui/qt/recent_files.h"
#include "ui/qt/robot_log_dialog.h"
#include "ui/qt/rule_check_dialog.h"
#include "ui/qt/rule_inspector.h"
#include "ui/qt/run_view.h"
#include "ui/qt/step_back.h"
#include "ui/qt/timeline_panel.h"
#include "ui/qt/track_import_menu.h"
#include "ui/qt/workspace_menu.h"
#include "ui/qt/zoom_menu.h"

namespace vemrik {

ProgramWindow::ProgramWindow() {
    menu_ = std::make_unique<WorkspaceMenu>(window_);
    addExampleMenu(*menu_, exampleFolders());
    addPrintTrackAction(window_);
    addArduinoExportAction(*menu_, window_);
    trackImport_ = std::make_unique<TrackImportMenu>(*menu_, window_);
    recent_ = std::make_unique<RecentFiles>(*menu_);
    addRobotLogAction(*menu_, window_);
    runView_ = std::make_unique<RunView>(window_);
    addEvaluationAction(window_);
    addGradingAction(window_);
    addRaceAction(window_);
    challenges_ = std::make_unique<ChallengeMenu>(*menu_, challengeFolders());
    inspector_ = std::make_unique<RuleInspector>(window_);
    addRuleCheck(window_);
    stepBack_ = std::make_unique<StepBackControls>(window_);
    addTimelinePanel(window_);
    // After every control of "Symulacja" is built: it keeps their clicks from taking the focus.
    pause_ = std::make_unique<PauseAction>(window_);
    headingMarks_ = std::make_unique<HeadingMarks>(window_);
    notices_ = std::make_unique<NoticeOverlay>(window_);
    hints_ = std::make_unique<ControlHints>(window_);
    // The zoom places every control of the pages, those the features above added too.
    connectZoomMenu(window_);
    connectLanguageMenu(window_);
    new FocusOutline(window_.formWidget());
    underlines_ = std::make_unique<MnemonicUnderlines>(window_.formWidget());
    connectHelpMenu(window_);
    fitCaptions(window_.formWidget());
}

void ProgramWindow::show() {
    window_.show();
    window_.activateWindow();
}

ProgramWindow::~ProgramWindow() {
    underlines_.reset();
    hints_.reset();
    notices_.reset();
    headingMarks_.reset();
    pause_.reset();
    stepBack_.reset();
    inspector_.reset();
    runView_.reset();
    challenges_.reset();
    recent_.reset();
    trackImport_.reset();
    menu_.reset();
}

}  // namespace vemrik
