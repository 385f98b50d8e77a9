#include "ui/qt/evaluation_dialog.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtConcurrent>
#include <algorithm>
#include <exception>

#include "evaluation/job_limits.h"
#include "evaluation/job_report.h"
#include "ui/evaluation_texts.h"
#include "ui/form.h"
#include "ui/qt/language.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/screen_fit.h"
#include "ui/qt/step_histogram.h"
#include "ui/qt/sweep_chart.h"
#include "ui/qt/texts.h"
#include "ui/workspace_form.h"

namespace vemrik {

namespace {

constexpr int kHistogramBins = 30;
// More failed runs than anyone reads one by one.
constexpr std::size_t kFailedRunsListed = 1000;
// The results' column, wide enough for a sweep's table on one line a level.
constexpr int kColumnWidth = 520;
constexpr int kNoteWidth = 460;
constexpr int kSummaryLines = 10;
const QSize kSpinBoxSize(120, 22);
const QSize kButtonSize(90, 25);
// What a small screen shows of the settings before they scroll: the first fields and buttons.
const QSize kLeastContents(360, 200);

QSpinBox* spinBox(QWidget* parent, const char* name, const SettingRange<int>& range) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(range.low, range.high);
    box->setValue(range.start);
    box->setFixedSize(kSpinBoxSize);
    return box;
}

QDoubleSpinBox* realBox(QWidget* parent, const char* name, const SettingRange<double>& range, int decimals,
                        double step, const QString& suffix) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(range.low, range.high);
    box->setDecimals(decimals);
    box->setSingleStep(step);
    box->setSuffix(suffix);
    box->setLocale(numberLocale());  // the decimal sign the summary writes
    box->setValue(range.start);
    box->setFixedSize(kSpinBoxSize);
    return box;
}

/// Every seed a run can have, as whole numbers: a double holds them all exactly.
QDoubleSpinBox* wholeSeedBox(QWidget* parent) {
    const SettingRange<double> seeds{kSeedSetting.low, kSeedSetting.high, kSeedSetting.start};
    return realBox(parent, "seed", seeds, 0, 1.0, {});
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFixedSize(kButtonSize);
    b->setAutoDefault(false);
    return b;
}

// The window retranslates its texts by their Polish; the core's table gives their English.
QString said(const Text& text) { return Vemrik::tr(text.pl.data()); }

QString escaped(const std::string& text) { return qs(text).toHtmlEscaped(); }

/// The headline in bold, the report's lines as paragraphs and a sweep's table as a table, the time
/// last.
QString reportHtml(const JobReport& report) {
    QStringList lines;
    if (!report.headline.empty())
        lines << QStringLiteral("<b>") + escaped(report.headline) + QStringLiteral("</b>");
    for (const std::string& line : report.lines) lines << escaped(line);
    // A table is a block of its own: a line break before it would leave an empty line.
    QString html = lines.join(QStringLiteral("<br>"));
    if (report.table.empty() && !lines.isEmpty()) html += QStringLiteral("<br>");
    if (!report.table.empty()) {
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
        for (const std::vector<std::string>& row : report.table) {
            html += QStringLiteral("<tr>");
            for (const std::string& cell : row)
                html += QStringLiteral("<td style=\"padding-right:8px; white-space:pre\">") + escaped(cell) +
                        QStringLiteral("</td>");
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
    }
    return html + escaped(report.time);
}

/// The report's text without its layout: the table's cells joined by " | ".
QStringList plainLines(const JobReport& report) {
    QStringList lines;
    if (!report.headline.empty()) lines << qs(report.headline);
    for (const std::string& line : report.lines) lines << qs(line);
    for (const std::vector<std::string>& row : report.table) {
        QStringList cells;
        for (const std::string& cell : row) cells << qs(cell);
        lines << cells.join(QStringLiteral(" | "));
    }
    return lines << qs(report.time);
}

/// Makes run `seed` of the judged work again in the window, held `stopAt` steps in; false when the
/// window cannot: its runs have no noise.
void replayInWindow(MainWindow& window, const Noise& noise, std::uint32_t seed, std::uint64_t stopAt) {
    TForm1& form = window.form();
    window.handle([&form, &noise, seed, stopAt] { form.ReplaySeededRun(seed, stopAt, noise); });
}

}  // namespace

EvaluationDialog::EvaluationDialog(std::function<Workspace()> capture, QWidget* parent)
    : QDialog(parent), capture_(std::move(capture)) {
    setObjectName("evaluationDialog");
    setWindowTitle(Vemrik::tr("Oceń algorytm"));

    runs_ = spinBox(this, "runs", kRunsSetting);
    maxSteps_ = spinBox(this, "maxSteps", kMaxStepsSetting);
    seed_ = wholeSeedBox(this);
    startButton_ = button(this, "start", Vemrik::tr("&Oceń"));
    cancelButton_ = button(this, "cancel", Vemrik::tr("&Anuluj"));
    auto* closeButton = button(this, "close", Vemrik::tr("&Zamknij"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName("progress");
    progress_->setFixedSize(kColumnWidth, 20);
    progress_->setRange(0, kRunsSetting.start);
    progress_->setValue(0);
    summary_ = new QLabel(this);
    summary_->setObjectName("summary");
    // Room for a sweep's report (the noise, a cancel, the column names, five levels, the time) and
    // for one evaluation's, whose headline may take two lines.
    summary_->setFixedSize(kColumnWidth, kSummaryLines * summary_->fontMetrics().lineSpacing() + 4);
    summary_->setTextFormat(Qt::RichText);
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setWordWrap(true);
    histogram_ = new StepHistogramView(this);
    histogram_->setFixedWidth(kColumnWidth);
    failed_ = new QListWidget(this);
    failed_->setObjectName("failedRuns");
    failed_->setAccessibleName(said(EvaluationTexts::failedRunsName));
    failed_->setFixedSize(kColumnWidth, 110);
    showRunButton_ = new QPushButton(said(EvaluationTexts::showRun), this);
    showRunButton_->setObjectName("showRun");
    showRunButton_->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(said(EvaluationTexts::runs), this), 0, 0);
    fields->addWidget(runs_, 0, 1);
    fields->addWidget(new QLabel(said(EvaluationTexts::maxSteps), this), 1, 0);
    fields->addWidget(maxSteps_, 1, 1);
    fields->addWidget(new QLabel(said(EvaluationTexts::firstSeed), this), 2, 0);
    fields->addWidget(seed_, 2, 1);
    fields->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(startButton_);
    buttons->addWidget(cancelButton_);
    buttons->addStretch(1);
    auto* contents = new QWidget(this);
    auto* columns = new QHBoxLayout(contents);
    columns->setContentsMargins(0, 0, 0, 0);
    auto* column = new QVBoxLayout;
    columns->addLayout(column);
    columns->addWidget(noiseBox(), 0, Qt::AlignTop);
    column->addLayout(fields);
    column->addWidget(new QLabel(said(EvaluationTexts::seedNote), this));
    column->addLayout(buttons);
    column->addWidget(progress_);
    column->addWidget(summary_);
    column->addWidget(histogram_);
    auto* failedCaption = new QLabel(said(EvaluationTexts::failedRuns), this);
    failedCaption->setBuddy(failed_);
    column->addWidget(failedCaption);
    column->addWidget(failed_);
    columns->setSizeConstraint(QLayout::SetFixedSize);
    // On a small screen the settings and results scroll; the buttons that end the dialog stay.
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(showRunButton_);
    bottom->addWidget(closeButton);
    auto* all = new QVBoxLayout(this);
    all->addWidget(new FittingScrollArea(contents, kLeastContents, this), 1);
    all->addLayout(bottom);

    connect(startButton_, &QPushButton::clicked, this, [this] { start(); });
    connect(sweepButton_, &QPushButton::clicked, this, [this] { startSweep(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });
    connect(closeButton, &QPushButton::clicked, this, [this] { reject(); });
    connect(showRunButton_, &QPushButton::clicked, this, [this] { showSelectedRun(); });
    connect(failed_, &QListWidget::itemActivated, this, [this] { showSelectedRun(); });
    connect(failed_, &QListWidget::currentRowChanged, this,
            [this](int row) { showRunButton_->setEnabled(row >= 0 && !running()); });
    connect(&watcher_, &QFutureWatcherBase::progressValueChanged, progress_, &QProgressBar::setValue);
    connect(&watcher_, &QFutureWatcherBase::finished, this, [this] { finish(); });
    setRunning(false);
}

QWidget* EvaluationDialog::noiseBox() {
    auto* group = new QGroupBox(said(EvaluationTexts::noise), this);
    flip_ = realBox(group, "flip", kFlipSetting, 3, 0.01, {});
    shift_ = realBox(group, "shift", kShiftSetting, 1, 1.0, QStringLiteral(" px"));
    turn_ = realBox(group, "turn", kTurnSetting, 1, 1.0, QStringLiteral("°"));
    sweepButton_ = new QPushButton(said(EvaluationTexts::sweep), group);
    sweepButton_->setObjectName("sweep");
    sweepButton_->setAutoDefault(false);
    sweepChart_ = new SweepChartView(group);
    auto* fields = new QGridLayout;
    const std::pair<Text, QDoubleSpinBox*> rows[] = {
        {EvaluationTexts::flip, flip_}, {EvaluationTexts::shift, shift_}, {EvaluationTexts::turn, turn_}};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(said(rows[i].first), group);
        label->setBuddy(rows[i].second);
        fields->addWidget(label, i, 0);
        fields->addWidget(rows[i].second, i, 1);
    }
    fields->setColumnStretch(2, 1);
    auto* note = new QLabel(said(EvaluationTexts::noiseNote), group);
    note->setWordWrap(true);
    note->setFixedWidth(kNoteWidth);
    auto* sweepRow = new QHBoxLayout;
    sweepRow->addWidget(sweepButton_);
    sweepRow->addStretch(1);
    auto* column = new QVBoxLayout(group);
    column->addLayout(fields);
    column->addWidget(note);
    column->addLayout(sweepRow);
    column->addWidget(sweepChart_);
    return group;
}

Noise EvaluationDialog::noise() const { return {flip_->value(), shift_->value(), turn_->value()}; }

EvaluationDialog::~EvaluationDialog() {
    if (job_) job_->cancel();
    watcher_.waitForFinished();
}

JobSettings EvaluationDialog::settingsAsked() const {
    JobSettings s;
    s.runs = runs_->value();
    s.maxSteps = maxSteps_->value();
    s.seed = static_cast<std::uint32_t>(seed_->value());
    s.noise = noise();
    return s;
}

bool EvaluationDialog::launch(const JobSettings& settings) {
    PreparedJob prepared;
    Workspace judged;
    try {
        judged = capture_();
        prepared = prepareJob(judged, settings);
    } catch (const std::exception& e) {
        prepared.error = e.what();
    }
    if (!prepared.job) {
        // The runs still listed stay those of the work judged last.
        showMessage(qs(say(EvaluationTexts::cannotEvaluate, {prepared.error})));
        histogram_->clear();
        return false;
    }
    judged_ = std::move(judged);
    judgedNoise_ = settings.noise;
    job_ = std::move(prepared.job);
    progress_->setRange(0, settings.totalRuns());
    progress_->setValue(0);
    histogram_->clear();
    failed_->clear();
    watcher_.setFuture(QtConcurrent::run([job = job_](QPromise<JobResult>& promise) {
        promise.setProgressRange(0, job->settings().totalRuns());
        promise.addResult(job->run([&promise](int finished, int) { promise.setProgressValue(finished); }));
    }));
    setRunning(true);
    return true;
}

void EvaluationDialog::start() {
    if (running()) return;
    if (launch(settingsAsked())) showMessage(said(EvaluationTexts::evaluating));
}

void EvaluationDialog::startSweep() {
    if (running()) return;
    JobSettings settings = settingsAsked();
    if (const std::string refusal = sweepRefusal(settings.noise); !refusal.empty()) {
        showMessage(qs(refusal));
        return;
    }
    settings.levels = defaultSweepLevels();
    sweepChart_->clear();
    if (launch(settings)) showMessage(said(EvaluationTexts::sweeping));
}

void EvaluationDialog::cancel() {
    if (!running()) return;
    job_->cancel();
    cancelButton_->setEnabled(false);
}

void EvaluationDialog::reject() {
    if (running()) {
        job_->cancel();
        watcher_.waitForFinished();  // the runs stop within milliseconds of the cancel
        finish();
    }
    QDialog::reject();
}

void EvaluationDialog::finish() {
    if (!job_) return;  // already shown when a close waited for the job
    job_.reset();
    setRunning(false);
    QFuture<JobResult> future = watcher_.future();
    try {
        future.waitForFinished();  // throws what the job threw, if anything
        if (future.resultCount() > 0) showReport(future.result());
    } catch (const std::exception& e) {
        showMessage(Vemrik::tr("Ocena nie powiodła się: %1.").arg(QString::fromLocal8Bit(e.what())));
    }
    emit evaluated();
}

void EvaluationDialog::showReport(const JobResult& r) {
    progress_->setValue(r.finishedRuns());
    const JobReport report = jobReport(r);
    summary_->setText(reportHtml(report));
    shownLines_ = plainLines(report);
    if (r.settings.sweeps()) {
        sweepChart_->setSweep(r.sweep);
        failed_->clear();
    } else {
        histogram_->setHistogram(stepHistogram(r.evaluation.runs, kHistogramBins));
        listFailedRuns(r);
    }
}

void EvaluationDialog::showMessage(const QString& text) {
    summary_->setText(text.toHtmlEscaped());
    shownLines_ = QStringList{text};
}

void EvaluationDialog::listFailedRuns(const JobResult& r) {
    failed_->clear();
    for (const EvaluatedRun& run : vemrik::failedRuns(r, kFailedRunsListed)) {
        auto* item = new QListWidgetItem(qs(failedRunLine(run)), failed_);
        item->setData(Qt::UserRole, static_cast<qulonglong>(run.seed));
        item->setData(Qt::UserRole + 1, run.result.steps);
    }
    showRunButton_->setEnabled(false);
}

bool EvaluationDialog::showSelectedRun() {
    const QListWidgetItem* item = failed_->currentItem();
    if (!item || running() || !showRun) return false;
    const QString refusal =
        showRun(judged_, judgedNoise_, static_cast<std::uint32_t>(item->data(Qt::UserRole).toULongLong()),
                item->data(Qt::UserRole + 1).toInt());
    if (!refusal.isEmpty()) {
        showMessage(refusal);
        return false;
    }
    reject();
    return true;
}

void EvaluationDialog::setRunning(bool on) {
    startButton_->setEnabled(!on);
    cancelButton_->setEnabled(on);
    for (QWidget* w :
         std::initializer_list<QWidget*>{runs_, maxSteps_, seed_, flip_, shift_, turn_, sweepButton_})
        w->setEnabled(!on);
    showRunButton_->setEnabled(!on && failed_->currentRow() >= 0);
}

QString showEvaluatedRun(MainWindow& window, const Workspace& judged, const Noise& noise, std::uint32_t seed,
                         int steps) {
    const std::string refusal = evaluatedRunRefusal(!(captureWorkspace(window.form()) == judged), steps);
    if (!refusal.empty()) return qs(refusal);
    replayInWindow(window, noise, seed, evaluatedRunStop(steps));
    window.notebook()->setCurrentIndex(kSimulationPage);
    return {};
}

void addEvaluationAction(MainWindow& window) {
    auto dialog = std::make_shared<QPointer<EvaluationDialog>>();
    QObject::connect(window.commandAction("run.evaluate"), &QAction::triggered, &window, [&window, dialog] {
        if (!*dialog) {
            *dialog = new EvaluationDialog([&window] { return captureWorkspace(window.form()); }, &window);
            (*dialog)->setAttribute(Qt::WA_DeleteOnClose);
            (*dialog)->showRun = [&window](const Workspace& judged, const Noise& noise, std::uint32_t seed,
                                           int steps) {
                return showEvaluatedRun(window, judged, noise, seed, steps);
            };
            fitOnScreen(*dialog, (*dialog)->sizeHint());
        }
        (*dialog)->show();
        (*dialog)->raise();
        (*dialog)->activateWindow();
    });
}

}  // namespace vemrik
