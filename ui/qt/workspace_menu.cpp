#include "ui/qt/workspace_menu.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

#include "ui/file_names.h"
#include "ui/file_texts.h"
#include "ui/layout.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/texts.h"
#include "ui/qt/workspace_image.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_json.h"

namespace vemrik {

namespace {

QString filter() { return Vemrik::tr("Pliki Vemrik (*.vemrik);;Wszystkie pliki (*)"); }
std::string fileName(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

WorkspaceMenu::WorkspaceMenu(MainWindow& window) : window_(window) {
    askToSave = [this] {
        // The page asks the same, in the same words.
        QMessageBox box(QMessageBox::Question, QStringLiteral("Vemrik"), qs(say(FileTexts::saveChanges)),
                        QMessageBox::NoButton, &window_);
        box.setInformativeText(
            filePath().isEmpty()
                ? qs(say(FileTexts::notSaved))
                : qs(say(FileTexts::notSavedIn, {QFileInfo(filePath()).fileName().toStdString()})));
        QPushButton* yes = box.addButton(qs(say(FileTexts::yes)), QMessageBox::YesRole);
        QPushButton* no = box.addButton(qs(say(FileTexts::no)), QMessageBox::NoRole);
        QPushButton* cancel = box.addButton(Vemrik::tr("Anuluj"), QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == yes) return SaveAnswer::Save;
        return box.clickedButton() == no ? SaveAnswer::Discard : SaveAnswer::Cancel;
    };
    chooseOpenPath = [this] {
        const QString dir = filePath().isEmpty() ? startFolder() : QFileInfo(filePath()).absolutePath();
        return QFileDialog::getOpenFileName(&window_, Vemrik::tr("Otwórz"), dir, filter());
    };
    chooseSavePath = [this](const QString& suggested) {
        return savePathFromDialog(&window_, Vemrik::tr("Zapisz jako"), suggested, filter(),
                                  QStringLiteral("vemrik"));
    };
    chooseImagePath = [this](const QString& suggested) {
        return savePathFromDialog(&window_, Vemrik::tr("Eksportuj obraz"), suggested,
                                  Vemrik::tr("Obrazy PNG (*.png)"), QStringLiteral("png"));
    };
    showError = [this](const QString& message) {
        QMessageBox::critical(&window_, QStringLiteral("Vemrik"), message);
    };
    startFolder = [] { return QDir::currentPath(); };
    fileUsed = [](const QString&) {};

    connectMenu();
    afterHandleKey_ = window_.addAfterHandle([this] { showTitle(); });
    window_.installEventFilter(this);
    showTitle();
}

WorkspaceMenu::~WorkspaceMenu() {
    window_.removeAfterHandle(afterHandleKey_);
    window_.removeEventFilter(this);
}

void WorkspaceMenu::connectMenu() {
    const auto on = [&](std::string_view id, auto slot) {
        connect(window_.commandAction(id), &QAction::triggered, this, [this, slot] { (this->*slot)(); });
    };
    on("file.new", &WorkspaceMenu::newWorkspace);
    on("file.open", &WorkspaceMenu::open);
    on("file.save", &WorkspaceMenu::save);
    on("file.saveAs", &WorkspaceMenu::saveAs);
    on("file.exportImage", &WorkspaceMenu::exportImage);
    on("file.quit", &WorkspaceMenu::closeWindow);
    // The menu bar sits above the form, not in it: the form keeps its size and its place on the
    // screen, and the window grows upwards by the bar.
    window_.move(kFormLeft, kFormTop - window_.menuBar()->sizeHint().height());
}

bool WorkspaceMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close && !mayDiscard()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QString WorkspaceMenu::filePath() const { return QFile::decodeName(window_.form().document.path.c_str()); }

bool WorkspaceMenu::modified() const { return window_.form().document.modified(window_.form().engine); }

bool WorkspaceMenu::mayDiscard() {
    if (!modified()) return true;
    switch (askToSave()) {
        case SaveAnswer::Save:
            return save();
        case SaveAnswer::Discard:
            return true;
        case SaveAnswer::Cancel:
            return false;
    }
    return false;
}

bool WorkspaceMenu::newWorkspace() {
    if (!mayDiscard()) return false;
    load(Workspace{}, QString());
    return true;
}

bool WorkspaceMenu::open() {
    if (!mayDiscard()) return false;
    const QString path = chooseOpenPath();
    return !path.isEmpty() && openFile(path);
}

bool WorkspaceMenu::openFile(const QString& path) {
    const ParsedWorkspace read = readWorkspaceFile(fileName(path));
    if (!read.workspace) {
        showError(Vemrik::tr("Nie można otworzyć „%1”:\n%2").arg(path, qs(read.error)));
        return false;
    }
    load(*read.workspace, QFileInfo(path).absoluteFilePath());
    fileUsed(filePath());
    return true;
}

bool WorkspaceMenu::openAsking(const QString& path) { return mayDiscard() && openFile(path); }

bool WorkspaceMenu::openWork(const Workspace& ws) {
    if (!mayDiscard()) return false;
    load(ws, QString());
    return true;
}

bool WorkspaceMenu::save() { return filePath().isEmpty() ? saveAs() : saveTo(filePath()); }

bool WorkspaceMenu::saveAs() {
    const QString suggested =
        filePath().isEmpty() ? QDir(startFolder()).filePath(Vemrik::tr("bez nazwy.vemrik")) : filePath();
    const QString path = chooseSavePath(suggested);
    return !path.isEmpty() && saveTo(path);
}

bool WorkspaceMenu::saveTo(const QString& path) {
    const Workspace ws = captureWorkspace(window_.form());
    if (const auto error = saveAtomically(fileName(path), toJson(ws))) {
        showError(Vemrik::tr("Nie można zapisać „%1”:\n%2\n\nPoprzednia zawartość pliku nie zmieniła się.")
                      .arg(path, qs(*error)));
        return false;
    }
    TForm1& form = window_.form();
    form.document.keep(fileName(QFileInfo(path).absoluteFilePath()), form.engine);
    showTitle();
    fileUsed(filePath());
    return true;
}

bool WorkspaceMenu::exportImage() {
    const int page = window_.notebook()->currentIndex();
    if (page < 0) return false;
    const QString file = filePath();
    const QString pageName = window_.notebook()->tabText(page).toLower();
    const QDir dir = file.isEmpty() ? QDir(startFolder()) : QFileInfo(file).dir();
    const QString path = chooseImagePath(
        dir.filePath(qs(pictureFileName(QFileInfo(file).fileName().toStdString(), pageName.toStdString()))));
    if (path.isEmpty()) return false;
    const QByteArray png = pngBytes(pageImage(window_.form(), page));
    const auto error =
        png.isEmpty()
            ? std::optional<std::string>(Vemrik::tr("nie udało się zakodować obrazu PNG").toStdString())
            : saveAtomically(fileName(path), png.toStdString());
    if (error) {
        showError(Vemrik::tr("Nie można zapisać obrazu „%1”:\n%2").arg(path, qs(*error)));
        return false;
    }
    return true;
}

void WorkspaceMenu::closeWindow() { window_.close(); }

void WorkspaceMenu::load(const Workspace& ws, const QString& path) {
    TForm1& form = window_.form();
    window_.handle([&] {
        applyWorkspace(form, ws);
        form.document.keep(fileName(path), form.engine);
    });
    showInputs();
    for (const auto& observer : loadObservers_) observer();
}

void WorkspaceMenu::showInputs() {
    TForm1& form = window_.form();
    for (const auto& [id, bar] :
         {std::pair{"rules.angle", &form.TrackBar1}, std::pair{"sim.heading", &form.TrackBar2}}) {
        auto* slider = window_.control<QSlider>(id);
        const QSignalBlocker block(slider);
        slider->setValue(bar->position);
    }
    for (int n = 1; n <= kSensorSlots; ++n) {
        auto* box = window_.control<QCheckBox>("rules.sensor" + std::to_string(n));
        const QSignalBlocker block(box);
        box->setChecked(form.checkBox(n).checked);
    }
}

void WorkspaceMenu::showTitle() {
    window_.setWindowTitle(qs(window_.form().document.title(window_.form().engine)));
}

}  // namespace vemrik
