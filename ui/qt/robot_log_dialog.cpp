#include "ui/qt/robot_log_dialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>
#include <memory>

#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/texts.h"
#include "ui/qt/timeline_panel.h"
#include "ui/qt/workspace_menu.h"
#include "ui/timeline_texts.h"
#include "ui/workspace_form.h"

namespace vemrik {

namespace {

// Fits a 910 × 512 screen with its frame; the content scrolls within.
const QSize kDialogSize(640, 460);
QString filter() { return Vemrik::tr("Przebiegi CSV (*.csv *.txt *.log);;Wszystkie pliki (*)"); }

QTableWidget* table(QWidget* parent, const char* name, const QStringList& columns) {
    auto* t = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(columns);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    // The dialog scrolls, not the table: it is always as tall as its rows.
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->horizontalHeader()->setStretchLastSection(false);
    return t;
}

/// The report's rows in `t`, its numbers right-aligned.
void list(QTableWidget* t, const std::vector<ReportRow>& rows) {
    t->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(qs(rows[r][c].text));
            if (rows[r][c].number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
}

/// Rows sized to their text and the table exactly as tall as them; column `wide` takes the width
/// left over.
void fitRows(QTableWidget* t, int wide) {
    t->resizeColumnsToContents();
    t->horizontalHeader()->setSectionResizeMode(wide, QHeaderView::Stretch);
    t->resizeRowsToContents();
    int height = t->horizontalHeader()->sizeHint().height() + 2 * t->frameWidth();
    for (int r = 0; r < t->rowCount(); ++r) height += t->rowHeight(r);
    t->setFixedHeight(height);
}

QGroupBox* group(QWidget* parent, QWidget* content) {
    auto* box = new QGroupBox(parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

}  // namespace

RobotLogDialog::RobotLogDialog(MainWindow& window) : QDialog(&window), window_(window) {
    setObjectName("robotLogDialog");
    resize(kDialogSize);
    showError = [this](const QString& message) {
        QMessageBox::critical(this, QStringLiteral("Vemrik"), message);
    };

    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    headline_ = new QLabel(content);
    headline_->setObjectName("robotLogHeadline");
    headline_->setWordWrap(true);
    headline_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = headline_->font();
    bold.setBold(true);
    headline_->setFont(bold);
    column->addWidget(headline_);
    summary_ = new QLabel(content);
    summary_->setObjectName("robotLogSummary");
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(summary_);
    lines_ = table(content, "robotLogLines", {QString(), QString(), QString(), QString()});
    linesGroup_ = group(content, lines_);
    column->addWidget(linesGroup_);
    uncovered_ = new QLabel(content);
    uncovered_->setObjectName("robotLogUncovered");
    uncovered_->setWordWrap(true);
    uncoveredGroup_ = group(content, uncovered_);
    column->addWidget(uncoveredGroup_);
    patterns_ = table(content, "robotLogPatterns", {QString(), QString(), QString()});
    patternsGroup_ = group(content, patterns_);
    column->addWidget(patternsGroup_);
    column->addStretch(1);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("robotLogScroll");
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    // Our own button, not the stock Close: Qt would put its own caption back on a language change.
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Vemrik::tr("Zamknij"), QDialogButtonBox::RejectRole);
    timeline_ = buttons->addButton(worded(TimelineTexts::showLog), QDialogButtonBox::ActionRole);
    timeline_->setObjectName("robotLogTimeline");
    timeline_->setToolTip(worded(TimelineTexts::showLogTip));
    timeline_->setEnabled(false);
    timeline_->setAutoDefault(false);  // Enter still closes the dialog
    connect(timeline_, &QPushButton::clicked, this, [this] { showOnTimeline(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    showHeadings();
}

bool RobotLogDialog::openLog(const QString& path) {
    ParsedRunLog read = readRunLogFile(QFile::encodeName(path).toStdString());
    if (!read.log) {
        showError(qs(say(kRobotLogHeadings.cannotOpen, {path.toStdString(), read.error})));
        return false;
    }
    log_ = std::move(read.log);
    fileName_ = QFileInfo(path).fileName();
    timeline_->setEnabled(timelinePanelOf(window_) != nullptr);
    compared_ = captureWorkspace(window_.form());
    seed_ = window_.form().engine.seed();
    showReport();
    return true;
}

void RobotLogDialog::showOnTimeline() {
    TimelinePanel* panel = timelinePanelOf(window_);
    if (log_ && panel) panel->showLog(*log_, fileName_);
}

void RobotLogDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    showHeadings();
    if (log_) showReport();
}

void RobotLogDialog::showHeadings() {
    const RobotLogHeadings& h = kRobotLogHeadings;
    setWindowTitle(qs(say(h.title)));
    linesGroup_->setTitle(qs(say(h.lines)));
    uncoveredGroup_->setTitle(qs(say(h.uncovered)));
    patternsGroup_->setTitle(qs(say(h.patterns)));
    lines_->setHorizontalHeaderLabels(
        {qs(say(h.line)), qs(say(h.rule)), qs(say(h.robot)), qs(say(h.simulation))});
    const QString pattern = patterns_->horizontalHeaderItem(0)->text();
    patterns_->setHorizontalHeaderLabels({pattern, qs(say(h.robot)), qs(say(h.simulation))});
}

void RobotLogDialog::showReport() {
    const RobotLogReport report = robotLogReport(*log_, compared_, seed_, fileName_.toStdString());
    headline_->setText(qs(report.headline));
    summary_->setText(qs(report.summary));
    patterns_->horizontalHeaderItem(0)->setText(
        qs(say(kRobotLogHeadings.pattern, {std::to_string(report.sensors)})));
    list(lines_, report.lines);
    fitRows(lines_, 1);
    uncovered_->setText(qs(report.uncovered));
    list(patterns_, report.patterns);
    fitRows(patterns_, 0);
}

QAction* addRobotLogAction(WorkspaceMenu& menu, MainWindow& window) {
    QAction* action = window.commandAction("file.robotLog");
    auto dialog = std::make_shared<QPointer<RobotLogDialog>>();
    QObject::connect(action, &QAction::triggered, &window, [&window, &menu, dialog] {
        const QString dir =
            menu.filePath().isEmpty() ? menu.startFolder() : QFileInfo(menu.filePath()).absolutePath();
        const QString path =
            QFileDialog::getOpenFileName(&window, Vemrik::tr("Otwórz przebieg robota"), dir, filter());
        if (path.isEmpty()) return;
        if (!*dialog) *dialog = new RobotLogDialog(window);
        if (!(*dialog)->openLog(path)) return;
        (*dialog)->show();
        (*dialog)->raise();
        (*dialog)->activateWindow();
    });
    return action;
}

}  // namespace vemrik
