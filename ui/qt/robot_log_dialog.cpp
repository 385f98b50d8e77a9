#include "ui/qt/robot_log_dialog.h"

#include <QAction>
#include <QDialogButtonBox>
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
#include <algorithm>
#include <memory>

#include "evaluation/summary.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/texts.h"
#include "ui/qt/timeline_panel.h"
#include "ui/qt/workspace_menu.h"
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

void setCell(QTableWidget* t, int row, int column, const QString& text, bool number = false) {
    auto* item = new QTableWidgetItem(text);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    t->setItem(row, column, item);
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

QGroupBox* group(QWidget* parent, const QString& title, QWidget* content) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

QString count(std::uint64_t n) { return QString::number(static_cast<qulonglong>(n)); }

QString share(std::uint64_t n, std::uint64_t of) {
    if (of == 0) return QStringLiteral("—");
    return qs(percentText(static_cast<double>(n) / static_cast<double>(of))) +
           QStringLiteral(" (%1)").arg(count(n));
}

// Most rows of the line table and most numbers or patterns a list shows; the rest are counted.
constexpr std::size_t kShownRows = 100;
constexpr std::size_t kShownItems = 20;

/// "5, 6, 7 i 12 więcej": the lines (from 0) of `lines`, counted from 1, in a list of `total`.
QString lineList(const std::vector<int>& lines, std::size_t total) {
    QStringList numbers;
    for (const int line : lines) numbers << QString::number(line + 1);
    const QString shown = numbers.join(QStringLiteral(", "));
    if (total <= lines.size()) return shown;
    return Vemrik::tr("%1 i %2 więcej").arg(shown, count(total - lines.size()));
}

}  // namespace

RobotLogDialog::RobotLogDialog(MainWindow& window) : QDialog(&window), window_(window) {
    setObjectName("robotLogDialog");
    setWindowTitle(Vemrik::tr("Przebieg robota"));
    resize(kDialogSize);
    showError = [this](const QString& message) {
        QMessageBox::critical(this, QStringLiteral("Vemrik"), message);
    };

    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    summary_ = new QLabel(content);
    summary_->setObjectName("robotLogSummary");
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(summary_);
    lines_ = table(content, "robotLogLines",
                   {Vemrik::tr("Linia"), Vemrik::tr("Reguła"), Vemrik::tr("Robot"), Vemrik::tr("Symulacja")});
    column->addWidget(group(content, Vemrik::tr("Jak często działała każda linia"), lines_));
    uncovered_ = new QLabel(content);
    uncovered_->setObjectName("robotLogUncovered");
    uncovered_->setWordWrap(true);
    column->addWidget(group(content, Vemrik::tr("Wzorce bez reguły, które napotkał robot"), uncovered_));
    patterns_ = table(content, "robotLogPatterns",
                      {Vemrik::tr("Wzorzec s1…s8"), Vemrik::tr("Robot"), Vemrik::tr("Symulacja")});
    column->addWidget(group(content, Vemrik::tr("Udział kroków na wzorzec"), patterns_));
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
    timeline_ = buttons->addButton(Vemrik::tr("Pokaż na osi czasu"), QDialogButtonBox::ActionRole);
    timeline_->setObjectName("robotLogTimeline");
    timeline_->setToolTip(Vemrik::tr("Kroki robota na wykresie „Przebieg w czasie” (menu „Symulacja”)"));
    timeline_->setEnabled(false);
    timeline_->setAutoDefault(false);  // Enter still closes the dialog
    connect(timeline_, &QPushButton::clicked, this, [this] { showOnTimeline(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool RobotLogDialog::openLog(const QString& path) {
    ParsedRunLog read = readRunLogFile(QFile::encodeName(path).toStdString());
    if (!read.log) {
        showError(Vemrik::tr("Nie można otworzyć przebiegu „%1”:\n%2").arg(path, qs(read.error)));
        return false;
    }
    log_ = std::move(read.log);
    fileName_ = QFileInfo(path).fileName();
    timeline_->setEnabled(timelinePanelOf(window_) != nullptr);
    compare(path);
    return true;
}

void RobotLogDialog::showOnTimeline() {
    TimelinePanel* panel = timelinePanelOf(window_);
    if (log_ && panel) panel->showLog(*log_, fileName_);
}

void RobotLogDialog::compare(const QString& path) {
    const Workspace ws = captureWorkspace(window_.form());
    const RunCounts robot = countLog(*log_, ws.rules.size());
    std::optional<RunCounts> simulated;
    QString simulationError;
    try {
        const PreparedRun prepared = prepareRun(ws);
        if (prepared.setup)
            simulated = simulateCounts(*prepared.setup, window_.form().engine.seed(), log_->steps.size());
        else
            simulationError = qs(prepared.error);
    } catch (const std::exception& e) {
        simulationError = qs(e.what());
    }
    const std::vector<OtherLine> other = otherLines(*log_, ws.rules);
    showSummary(path, robot, simulated, simulationError, other);
    showLines(robot, simulated, other);
    showUncovered(robot);
    showPatterns(robot, simulated);
}

void RobotLogDialog::showSummary(const QString& path, const RunCounts& robot,
                                 const std::optional<RunCounts>& simulated, const QString& simulationError,
                                 const std::vector<OtherLine>& other) {
    QString text =
        Vemrik::tr("Przebieg robota „%1”, kroków: %2").arg(QFileInfo(path).fileName(), count(robot.steps));
    if (log_->skippedLines > 0)
        text += Vemrik::tr(" (pominięte wiersze przed nagłówkiem: %1)").arg(log_->skippedLines);
    text += QStringLiteral(".\n");
    if (simulated) {
        text += Vemrik::tr("Symulacja tych samych reguł na otwartej trasie, ziarno %1, kroków: %2")
                    .arg(window_.form().engine.seed())
                    .arg(count(simulated->steps));
        text += simulated->stopped ? Vemrik::tr(" (dojechała do pola stop).") : QStringLiteral(".");
    } else {
        text += Vemrik::tr("Nie można zasymulować tych reguł: %1.").arg(simulationError);
    }
    const std::size_t rules = robot.lineHits.size();
    std::vector<int> changed;
    std::size_t changedCount = 0;
    for (const OtherLine& o : other) {
        if (static_cast<std::size_t>(o.line) >= rules) break;
        if (++changedCount <= kShownItems) changed.push_back(o.line);
    }
    if (changedCount > 0)
        text += Vemrik::tr("\nUwaga: robot działał w liniach %1 według innych reguł niż otwarte.")
                    .arg(lineList(changed, changedCount));
    if (!robot.beyond.empty()) {
        // Named, not every line up to the highest: that number is the robot's, not a size.
        std::vector<int> past;
        for (std::size_t i = 0; i < robot.beyond.size() && i < kShownItems; ++i)
            past.push_back(robot.beyond[i].first);
        text += Vemrik::tr(
                    "\nUwaga: robot działał w liniach %1, których nie ma w otwartych regułach "
                    "(mają linii: %2).")
                    .arg(lineList(past, robot.beyond.size()), count(rules));
    }
    summary_->setText(text);
}

void RobotLogDialog::showLines(const RunCounts& robot, const std::optional<RunCounts>& simulated,
                               const std::vector<OtherLine>& other) {
    const std::vector<std::string>& rules = window_.form().engine.rules();
    // The open rules' lines, then those past them the robot named, as far as the table goes.
    std::vector<int> lines;
    for (std::size_t i = 0; i < rules.size() && lines.size() < kShownRows; ++i)
        lines.push_back(static_cast<int>(i));
    for (std::size_t i = 0; i < robot.beyond.size() && lines.size() < kShownRows; ++i)
        lines.push_back(robot.beyond[i].first);
    const std::size_t rest = rules.size() + robot.beyond.size() - lines.size();
    const int rows = static_cast<int>(lines.size()) + (rest > 0 ? 1 : 0);
    lines_->setRowCount(rows + 1);
    std::uint64_t robotShown = 0, simulatedShown = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int line = lines[i];
        const auto at = static_cast<std::size_t>(line);
        const int row = static_cast<int>(i);
        QString rule = at < rules.size() ? qs(rules[at]) : Vemrik::tr("(nie ma jej w otwartych regułach)");
        const auto o = std::lower_bound(other.begin(), other.end(), line,
                                        [](const OtherLine& a, int l) { return a.line < l; });
        if (o != other.end() && o->line == line)
            rule += Vemrik::tr(" — u robota: „%1”").arg(qs(log_->texts[static_cast<std::size_t>(o->text)]));
        robotShown += robot.hits(at);
        if (simulated) simulatedShown += simulated->hits(at);
        setCell(lines_, row, 0, QString::number(line + 1), true);
        setCell(lines_, row, 1, rule);
        setCell(lines_, row, 2, count(robot.hits(at)), true);
        setCell(lines_, row, 3, simulated ? count(simulated->hits(at)) : QStringLiteral("—"), true);
    }
    if (rest > 0) {
        const int row = rows - 1;
        setCell(lines_, row, 0, QStringLiteral("…"), true);
        setCell(lines_, row, 1, Vemrik::tr("i %1 więcej").arg(count(rest)));
        setCell(lines_, row, 2, count(robot.steps - robot.noRule - robotShown), true);
        setCell(
            lines_, row, 3,
            simulated ? count(simulated->steps - simulated->noRule - simulatedShown) : QStringLiteral("—"),
            true);
    }
    setCell(lines_, rows, 0, QStringLiteral("—"), true);
    setCell(lines_, rows, 1, Vemrik::tr("żadna: prosto"));
    setCell(lines_, rows, 2, count(robot.noRule), true);
    setCell(lines_, rows, 3, simulated ? count(simulated->noRule) : QStringLiteral("—"), true);
    fitRows(lines_, 1);
}

void RobotLogDialog::showUncovered(const RunCounts& robot) {
    const std::vector<int> found = uncoveredPatterns(robot, window_.form().engine.rules());
    if (found.empty()) {
        uncovered_->setText(Vemrik::tr("Brak: na każdy wzorzec, który robot napotkał, jest reguła."));
        return;
    }
    QStringList text;
    for (std::size_t i = 0; i < found.size() && i < kShownItems; ++i)
        text << Vemrik::tr("%1   kroków: %2")
                    .arg(qs(patternText(found[i])),
                         count(robot.patterns[static_cast<std::size_t>(found[i])]));
    if (found.size() > kShownItems) text << Vemrik::tr("i %1 więcej").arg(count(found.size() - kShownItems));
    uncovered_->setText(text.join('\n'));
}

void RobotLogDialog::showPatterns(const RunCounts& robot, const std::optional<RunCounts>& simulated) {
    std::vector<int> met;
    for (int p = 0; p < kPatternCount; ++p) {
        const auto at = static_cast<std::size_t>(p);
        if (robot.patterns[at] > 0 || (simulated && simulated->patterns[at] > 0)) met.push_back(p);
    }
    // The robot's commonest first; the simulation's order among those it never met.
    const auto key = [&](int p) {
        const auto at = static_cast<std::size_t>(p);
        return std::pair{robot.patterns[at], simulated ? simulated->patterns[at] : 0};
    };
    std::stable_sort(met.begin(), met.end(), [&](int a, int b) { return key(a) > key(b); });
    patterns_->setRowCount(static_cast<int>(met.size()));
    for (std::size_t i = 0; i < met.size(); ++i) {
        const auto at = static_cast<std::size_t>(met[i]);
        const int row = static_cast<int>(i);
        setCell(patterns_, row, 0, qs(patternText(met[i])));
        setCell(patterns_, row, 1, share(robot.patterns[at], robot.steps), true);
        setCell(patterns_, row, 2,
                simulated ? share(simulated->patterns[at], simulated->steps) : QStringLiteral("—"), true);
    }
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
