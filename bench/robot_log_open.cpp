// Opens a run log in "Otwórz przebieg robota…" the way the window does, shows the dialog once and
// quits: the whole of what a user waits for, to be timed from outside (/usr/bin/time -v).
//     robot_log_open LOG [WORKSPACE]
#include <QApplication>
#include <QLabel>
#include <cstdio>

#include "ui/qt/program_window.h"
#include "ui/qt/robot_log_dialog.h"
#include "ui/qt/workspace_menu.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "robot_log_open LOG [WORKSPACE]\n");
        return 2;
    }
    vemrik::ProgramWindow program;
    if (argc == 3 && !program.menu().openFile(QString::fromLocal8Bit(argv[2]))) return 1;
    vemrik::RobotLogDialog dialog(program.window());
    dialog.showError = [](const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(message)); };
    if (!dialog.openLog(QString::fromLocal8Bit(argv[1]))) return 1;
    dialog.show();
    QApplication::processEvents();
    std::printf("%s\n", qPrintable(dialog.summary()->text()));
    return 0;
}
