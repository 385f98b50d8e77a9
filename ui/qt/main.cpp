#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "ui/qt/fatal_error.h"
#include "ui/qt/language.h"
#include "ui/qt/program_window.h"
#include "ui/qt/workspace_menu.h"
#include "workspace/size_limit_signal.h"

int main(int argc, char** argv) {
    vemrik::reportFileSizeLimitAsError();
    QApplication app(argc, argv);
    // The settings (recent files, last folder) live under these names; the desktop entry and
    // its icon under the last.
    QApplication::setOrganizationName(QStringLiteral("Vemrik"));
    QApplication::setApplicationName(QStringLiteral("vemrik"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Vemrik"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.example.Vemrik")));
    vemrik::Catalogue::instance().speak(vemrik::startingSpeech());
    return vemrik::runGuarded(
        [] {
            vemrik::ProgramWindow program;
            program.show();
            // `vemrik path/to/file` opens that workspace; a bad file is reported and the program
            // starts as usual.
            const QStringList args = QApplication::arguments();
            if (args.size() > 1) program.menu().openFile(args.at(1));
            return QApplication::exec();
        },
        [](const QString& message) { QMessageBox::critical(nullptr, QStringLiteral("Vemrik"), message); });
}
