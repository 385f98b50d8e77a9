#include "ui/qt/program_window.h"

#include "ui/qt/evaluation_dialog.h"
#include "ui/qt/example_menu.h"
#include "ui/qt/help_menu.h"
#include "ui/qt/print_track.h"
#include "ui/qt/recent_files.h"
#include "ui/qt/rule_check_dialog.h"
#include "ui/qt/rule_inspector.h"
#include "ui/qt/run_view.h"
#include "ui/qt/step_back.h"
#include "ui/qt/timeline_panel.h"
#include "ui/qt/track_import_menu.h"
#include "ui/qt/workspace_menu.h"

namespace vemrik {

ProgramWindow::ProgramWindow() {
    menu_ = std::make_unique<WorkspaceMenu>(window_);
    addExampleMenu(*menu_, exampleFolders());
    addPrintTrackAction(*menu_, window_);
    trackImport_ = std::make_unique<TrackImportMenu>(*menu_, window_);
    recent_ = std::make_unique<RecentFiles>(*menu_);
    runView_ = std::make_unique<RunView>(window_);
    addEvaluationAction(window_);
    inspector_ = std::make_unique<RuleInspector>(window_);
    addRuleCheck(window_);
    stepBack_ = std::make_unique<StepBackControls>(window_);
    addTimelinePanel(window_);
    addHelpMenu(window_);
}

void ProgramWindow::show() {
    window_.show();
    window_.activateWindow();
}

ProgramWindow::~ProgramWindow() {
    stepBack_.reset();
    inspector_.reset();
    runView_.reset();
    recent_.reset();
    trackImport_.reset();
    menu_.reset();
}

}  // namespace vemrik
