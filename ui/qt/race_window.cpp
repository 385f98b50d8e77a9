#include "ui/qt/race_window.h"

#include <QAction>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/files.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/screen_fit.h"
#include "ui/race_texts.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_file.h"

namespace vemrik {

namespace {

QString said(const Text& text) { return qs(say(text)); }

constexpr RunSpeed kSpeeds[] = {RunSpeed::Normal, RunSpeed::Double, RunSpeed::Quadruple};

}  // namespace

RaceView::RaceView(RaceBoard& board, QWidget* parent) : QWidget(parent), board_(board) {
    setObjectName("raceView");
    const Raster& image = board_.image();
    setMinimumSize(image.width(), image.height());
}

void RaceView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const Raster& image = board_.image();
    const QSize size = QSize(image.width(), image.height()).scaled(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawImage(target, rasterImage(image));
}

ProjectorView::ProjectorView(RaceBoard& board) : view_(new RaceView(board, this)) {
    setObjectName("projector");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    auto* hint = new QLabel(said(RaceTexts::leaveProjector), this);
    hint->setStyleSheet("color: white; background: black");
    layout->addWidget(hint);
    setStyleSheet("background: black");
}

void ProjectorView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return (void)close();
    QWidget::keyPressEvent(event);
}

RaceWindow::RaceWindow(MainWindow& window, QWidget* parent) : QDialog(parent), window_(window) {
    setObjectName("raceWindow");
    setAcceptDrops(true);
    summary_ = new QLabel(this);
    summary_->setObjectName("summary");
    hint_ = new QLabel(this);
    view_ = new RaceView(board_, this);
    speed_ = new QComboBox(this);
    speed_->setObjectName("speed");
    speed_->addItems({"×1", "×2", "×4"});
    order_ = new QTableWidget(0, 4, this);
    order_->setObjectName("order");
    order_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    order_->setSelectionBehavior(QAbstractItemView::SelectRows);
    order_->setSelectionMode(QAbstractItemView::SingleSelection);
    order_->verticalHeader()->hide();
    order_->horizontalHeader()->setStretchLastSection(true);

    auto* files = new QHBoxLayout;
    files->addWidget(button("currentTrack", RaceTexts::currentTrack, [this] { useCurrentTrack(); }));
    files->addWidget(button("trackFile", RaceTexts::trackFile, [this] {
        const QString path = QFileDialog::getOpenFileName(this, said(RaceTexts::trackFile).remove('&'), {},
                                                          said(RaceTexts::workspaceFilter));
        if (!path.isEmpty()) chooseTrackFile(path);
    }));
    files->addWidget(button("addRobots", RaceTexts::addRobots, [this] {
        addFiles(QFileDialog::getOpenFileNames(this, said(RaceTexts::addRobots).remove('&'), {},
                                               said(RaceTexts::workspaceFilter)));
    }));
    files->addWidget(button("remove", RaceTexts::remove, [this] {
        const int row = order_->currentRow();
        if (row >= 0) board_.race.remove(board_.rowEntrants()[static_cast<std::size_t>(row)]);
    }));
    files->addStretch();
    auto* run = new QHBoxLayout;
    run->addWidget(start_ = button("start", RaceTexts::start, [this] { refuse(board_.start()); }));
    run->addWidget(pause_ = button("pause", RaceTexts::pause, [this] { board_.pause(); }));
    run->addWidget(step_ = button("step", RaceTexts::step, [this] { board_.stepOnce(); }));
    run->addWidget(button("reset", RaceTexts::reset, [this] { board_.reset(); }));
    run->addWidget(speed_);
    run->addStretch();
    run->addWidget(showRun_ = button("showRun", RaceTexts::showRun, [this] { showRun(); }));
    run->addWidget(button("projector", RaceTexts::projector, [this] { showProjector(); }));
    run->addWidget(saveResults_ = button("saveResults", RaceTexts::saveResults, [this] { saveResults(); }));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addWidget(hint_);
    layout->addWidget(summary_);
    layout->addWidget(view_, 1);
    layout->addLayout(run);
    layout->addWidget(order_);

    connect(speed_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) board_.setSpeed(kSpeeds[i]);
        refresh();
    });
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    // The work's track when it has a start cell; the user chooses another without being told.
    board_.chooseTrack(captureWorkspace(window_.form()), window_.form().document.name());
    speak();
}

QPushButton* RaceWindow::button(const char* name, const Text& caption, std::function<void()> act) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    captions_.emplace_back(b, &caption);
    connect(b, &QPushButton::clicked, this, [this, act = std::move(act)] {
        act();
        refresh();
    });
    return b;
}

void RaceWindow::speak() {
    setWindowTitle(said(RaceTexts::title));
    for (const auto& [b, caption] : captions_) b->setText(said(*caption));
    hint_->setText(said(RaceTexts::dropHint));
    QStringList header;
    for (const std::string& h : RaceBoard::header()) header << qs(h);
    order_->setHorizontalHeaderLabels(header);
    refresh();
}

void RaceWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) speak();
    QDialog::changeEvent(event);
}

void RaceWindow::refuse(const std::string& why) {
    if (!why.empty()) QMessageBox::warning(this, windowTitle(), qs(say(RaceTexts::cannot, {why})));
}

void RaceWindow::useCurrentTrack() {
    refuse(board_.chooseTrack(captureWorkspace(window_.form()), window_.form().document.name()));
}

void RaceWindow::chooseTrackFile(const QString& path) {
    const ParsedWorkspace read = readWorkspaceFile(path.toStdString());
    refuse(read.workspace
               ? board_.chooseTrack(*read.workspace, QFileInfo(path).completeBaseName().toStdString())
               : read.error);
    refresh();
}

void RaceWindow::addFiles(const QStringList& paths) {
    if (paths.isEmpty()) return;
    std::vector<EntrantFile> files;
    for (const QString& path : paths) {
        const FileText read = readTextFile(path.toStdString());
        const std::string name = QFileInfo(path).completeBaseName().toStdString();
        if (!read.text) return refuse(name + ": " + read.error);
        files.push_back({name, *read.text});
    }
    refuse(board_.race.add(files));
    refresh();
}

void RaceWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void RaceWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    addFiles(paths);
}

void RaceWindow::showRun() {
    const int row = order_->currentRow();
    if (row < 0 || row >= board_.race.size()) return;
    TForm1& form = window_.form();
    if (form.document.modified(form.engine) &&
        QMessageBox::question(this, windowTitle(), said(RaceTexts::replaceWork)) != QMessageBox::Yes)
        return;
    const int entrant = board_.rowEntrants()[static_cast<std::size_t>(row)];
    window_.handle([&] { showRaceRun(form, board_.race, entrant); });
    window_.notebook()->setCurrentIndex(kSimulationPage);
    window_.raise();
    window_.activateWindow();
}

void RaceWindow::saveResults() {
    const QString path = savePathFromDialog(this, said(RaceTexts::saveResults).remove('&'),
                                            said(RaceTexts::csvName), said(RaceTexts::csvFilter), "csv");
    if (path.isEmpty()) return;
    if (const std::optional<std::string> error = saveAtomically(path.toStdString(), board_.race.csv()))
        refuse(*error);
}

void RaceWindow::showProjector() {
    if (!projector_) projector_ = new ProjectorView(board_);
    // Where no window manager makes it full screen, the geometry still covers the screen.
    projector_->setGeometry(screen()->geometry());
    projector_->showFullScreen();
    projector_->raise();
    projector_->activateWindow();
}

void RaceWindow::tick() {
    board_.timerTick();
    refresh();
}

void RaceWindow::refresh() {
    summary_->setText(qs(board_.summary()));
    const std::vector<std::vector<std::string>> rows = board_.rows();
    const int selected = order_->currentRow();
    order_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < 4; ++c) {
            const std::string& text = rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (QTableWidgetItem* item = order_->item(r, c))
                item->setText(qs(text));
            else
                order_->setItem(r, c, new QTableWidgetItem(qs(text)));
        }
    order_->setCurrentCell(std::min(selected, static_cast<int>(rows.size()) - 1), 0);
    const bool ready = board_.race.refusal().empty();
    start_->setEnabled(ready && !board_.running());
    pause_->setEnabled(board_.running());
    step_->setEnabled(ready && !board_.race.finished());
    saveResults_->setEnabled(board_.race.size() > 0 && board_.race.finished());
    showRun_->setEnabled(board_.race.size() > 0);
    if (board_.running() != timer_.isActive() || timer_.interval() != board_.interval()) {
        timer_.setInterval(board_.interval());
        if (board_.running())
            timer_.start();
        else
            timer_.stop();
    }
    view_->update();
    if (projector_) projector_->update();
}

RaceWindow& openRaceWindow(MainWindow& window) {
    // By its type: without Q_OBJECT a RaceWindow is any QDialog to findChild.
    RaceWindow* race = nullptr;
    for (QObject* child : window.children())
        if (auto* r = dynamic_cast<RaceWindow*>(child)) race = r;
    if (!race) {
        race = new RaceWindow(window, &window);
        fitOnScreen(race, race->sizeHint());
    }
    race->show();
    race->raise();
    race->activateWindow();
    return *race;
}

void addRaceAction(MainWindow& window) {
    QObject::connect(window.commandAction("run.race"), &QAction::triggered, &window,
                     [&window] { openRaceWindow(window); });
}

}  // namespace vemrik
