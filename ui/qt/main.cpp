#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "ui/qt/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    try {
        vemrik::MainWindow window;
        window.show();
        QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, "Vemrik", QString::fromUtf8(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, "Vemrik", QString());
    }
    return 0;
}
