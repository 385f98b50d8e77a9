#include "ui/qt/arduino_export_menu.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "robot_export/arduino_export.h"
#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"
#include "ui/qt/workspace_menu.h"

namespace vemrik {

namespace {

QString title() { return Vemrik::tr("Eksportuj na Arduino"); }

void tell(MainWindow& window, const ArduinoExportResult& result) {
    auto* box = new QMessageBox(result.written ? QMessageBox::Information : QMessageBox::Critical, title(),
                                result.message, QMessageBox::Ok, &window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

/// The sketch's name for the workspace file at `path`: "robot" for none.
std::string nameFor(const QString& path) {
    return sketchName(QFileInfo(path).completeBaseName().toStdString());
}

/// The folder the user picks, or "" when cancelled; the picker says what the export will make there.
QString chooseFolder(MainWindow& window, const QString& start, const std::string& name) {
    QFileDialog picker(&window, Vemrik::tr("Eksportuj na Arduino: folder na szkic"), start);
    picker.setObjectName("arduinoExportPicker");
    picker.setFileMode(QFileDialog::Directory);
    // Qt's own dialog, as the system's has no room for the note.
    picker.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (auto* grid = qobject_cast<QGridLayout*>(picker.layout())) {
        auto* note = new QLabel(QString::fromStdString(sketchFolderNote(name)), &picker);
        note->setObjectName("arduinoExportNote");
        note->setWordWrap(true);
        grid->addWidget(note, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (picker.exec() != QDialog::Accepted || picker.selectedFiles().isEmpty()) return {};
    return picker.selectedFiles().constFirst();
}

void exportAsking(WorkspaceMenu& menu, MainWindow& window) {
    const QString start =
        menu.filePath().isEmpty() ? QDir::currentPath() : QFileInfo(menu.filePath()).absolutePath();
    const QString workspacePath = menu.filePath();
    const QString dir = chooseFolder(window, start, nameFor(workspacePath));
    if (dir.isEmpty()) return;
    const ArduinoExportResult result = exportArduinoSketch(window, workspacePath, dir);
    if (!result.asksToReplace) return tell(window, result);
    auto* box =
        new QMessageBox(QMessageBox::Question, title(), result.message, QMessageBox::NoButton, &window);
    QPushButton* replace = box->addButton(Vemrik::tr("Zastąp"), QMessageBox::DestructiveRole);
    box->setDefaultButton(box->addButton(Vemrik::tr("Anuluj"), QMessageBox::RejectRole));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::buttonClicked, &window,
                     [&window, replace, workspacePath, dir](auto* b) {
                         if (b == replace)
                             tell(window, exportArduinoSketch(window, workspacePath, dir, true));
                     });
    box->open();
}

}  // namespace

ArduinoExportResult exportArduinoSketch(MainWindow& window, const QString& workspacePath, const QString& dir,
                                        bool replace) {
    const Engine& engine = window.form().engine;
    const std::string name = nameFor(workspacePath);
    PlannedSketch planned = planSketch(engine.work(), name, engine.seed());
    if (!planned.plan)
        return {false, Vemrik::tr("Nie można wyeksportować: %1.").arg(QString::fromStdString(planned.error))};
    planned.plan->workspaceFile = QFile::encodeName(QFileInfo(workspacePath).fileName()).toStdString();
    const SketchSave saved = writeSketchFolder(*planned.plan, dir.toStdString(), replace);
    if (saved.wouldReplace)
        return {false,
                Vemrik::tr(
                    "Nie zapisano szkicu: %1.\n\nZastąpić plik nowym szkicem? Jego obecna treść przepadnie.")
                    .arg(QString::fromStdString(saved.error)),
                true};
    if (!saved.error.empty())
        return {false, Vemrik::tr("Nie można zapisać szkicu: %1").arg(QString::fromStdString(saved.error))};
    const SketchFiles files = sketchFiles(dir.toStdString(), name);
    return {true, Vemrik::tr("Zapisano szkic „%1” (ziarno losowania %2):\n\n%3\n%4\n\n"
                             "Otwórz plik .ino w Arduino IDE i przejrzyj ustawienia na jego początku: "
                             "piny czujników i silników, prędkości, czasy obrotu i kroku. "
                             "Połączenia pokazuje wiring.svg.")
                      .arg(QString::fromStdString(name))
                      .arg(engine.seed())
                      .arg(QString::fromStdString(files.sketch), QString::fromStdString(files.wiring))};
}

QAction* addArduinoExportAction(WorkspaceMenu& menu, MainWindow& window) {
    QAction* action = window.commandAction("file.arduino");
    QObject::connect(action, &QAction::triggered, &window, [&menu, &window] { exportAsking(menu, window); });
    return action;
}

}  // namespace vemrik
