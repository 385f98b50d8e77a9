#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <exception>

#include "ui/qt/control_hints.h"
#include "ui/qt/evaluation_dialog.h"
#include "ui/qt/example_menu.h"
#include "ui/qt/heading_marks.h"
#include "ui/qt/main_window.h"
#include "ui/qt/pause_action.h"
#include "ui/qt/print_track.h"
#include "ui/qt/recent_files.h"
#include "ui/qt/rule_check_dialog.h"
#include "ui/qt/rule_inspector.h"
#include "ui/qt/run_view.h"
#include "ui/qt/step_back.h"
#include "ui/qt/track_import_menu.h"
#include "ui/qt/workspace_menu.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The settings (recent files, last folder) live under these names; the desktop entry and
    // its icon under the last.
    QApplication::setOrganizationName(QStringLiteral("Vemrik"));
    QApplication::setApplicationName(QStringLiteral("vemrik"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Vemrik"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.example.Vemrik")));
    // Qt's own dialogs (open, save) speak Polish like the rest of the program when Debian's
    // qt6-translations-l10n is there; without it they stay in English.
    QTranslator qtPolish;
    if (qtPolish.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtPolish);
    try {
        vemrik::MainWindow window;
        vemrik::WorkspaceMenu menu(window);
        vemrik::addExampleMenu(menu, vemrik::exampleFolders());
        vemrik::addPrintTrackAction(menu, window);
        vemrik::TrackImportMenu trackImport(menu, window);
        vemrik::RecentFiles recent(menu);
        vemrik::RunView runView(window);
        vemrik::addEvaluationAction(window);
        vemrik::RuleInspector inspector(window);
        vemrik::addRuleCheck(window);
        vemrik::StepBackControls stepBack(window);
        // After every control of "Symulacja" is built: it keeps their clicks from taking the focus.
        vemrik::PauseAction pause(window);
        vemrik::HeadingMarks headingMarks(window);
        vemrik::ControlHints hints(window);
        window.show();
        // `vemrik path/to/file` opens that workspace; a bad file is reported and the program
        // starts as usual.
        const QStringList args = QApplication::arguments();
        if (args.size() > 1) menu.openFile(args.at(1));
        QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, "Vemrik", QString::fromUtf8(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, "Vemrik", QString());
    }
    return 0;
}
