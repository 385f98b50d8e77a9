#include "ui/qt/evaluation_dialog.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "evaluation/run_setup.h"
#include "ui/form.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/screen_fit.h"
#include "ui/qt/sweep_chart.h"
#include "ui/workspace_form.h"

namespace vemrik {

namespace {

constexpr int kDefaultRuns = 200;
constexpr int kDefaultMaxSteps = 5000;
constexpr int kHistogramBins = 30;
constexpr int kPollMs = 50;
// More failed runs than anyone reads one by one.
constexpr int kFailedRunsListed = 1000;
// Where a shown run stops before its end, so its last steps can be made with "Krok".
constexpr int kStepsBeforeEnd = 20;
const QSize kHistogramSize(460, 170);
// The count scale left of the plot: a margin, the counts' column, a gap to the bars.
constexpr int kCountMargin = 4;
constexpr int kCountMinWidth = 28;
constexpr int kCountGap = 4;
const QSize kSpinBoxSize(120, 22);
const QSize kButtonSize(90, 25);
// What a small screen shows of the settings before they scroll: the first fields and buttons.
const QSize kLeastContents(360, 200);

QSpinBox* spinBox(QWidget* parent, const char* name, int low, int high, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(low, high);
    box->setValue(value);
    box->setFixedSize(kSpinBoxSize);
    return box;
}

QDoubleSpinBox* realBox(QWidget* parent, const char* name, double high, int decimals, double step,
                        const QString& suffix) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0.0, high);
    box->setDecimals(decimals);
    box->setSingleStep(step);
    box->setSuffix(suffix);
    box->setLocale(QLocale(QLocale::Polish, QLocale::Poland));  // a decimal comma, as the summary writes
    box->setValue(0.0);
    box->setFixedSize(kSpinBoxSize);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFixedSize(kButtonSize);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

StepHistogramView::StepHistogramView(QWidget* parent) : QWidget(parent) {
    setObjectName("histogram");
    setFixedSize(kHistogramSize);
}

void StepHistogramView::setHistogram(Histogram h) {
    histogram_ = std::move(h);
    shown_ = true;
    update();
}

void StepHistogramView::clear() {
    histogram_ = {};
    shown_ = false;
    update();
}

int StepHistogramView::most() const {
    return histogram_.counts.empty() ? 0
                                     : *std::max_element(histogram_.counts.begin(), histogram_.counts.end());
}

QRect StepHistogramView::plotRect() const {
    const int line = fontMetrics().height();
    const int countWidth = std::max(kCountMinWidth, fontMetrics().horizontalAdvance(QString::number(most())));
    const int left = kCountMargin + countWidth + kCountGap;
    return QRect(left, line + 8, width() - left - 12, height() - 2 * line - 16);
}

QRect StepHistogramView::topCountRect() const {
    const QRect plot = plotRect();
    const int line = fontMetrics().height();
    return QRect(kCountMargin, plot.top() - line / 2, plot.left() - kCountGap - kCountMargin, line);
}

void StepHistogramView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFontMetrics fm(font());
    const int line = fm.height();
    p.setPen(Qt::black);
    p.drawText(QRect(6, 2, width() - 12, line), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Kroki do stopu (przebiegi zakończone sukcesem)"));
    if (!shown_) return;
    if (histogram_.counts.empty()) {
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("brak przebiegów, które dojechały"));
        return;
    }
    const int most = this->most();
    const QRect plot = plotRect();
    const QRect top = topCountRect();
    p.drawText(top, Qt::AlignRight | Qt::AlignVCenter, QString::number(most));
    p.drawText(top.translated(0, plot.bottom() - plot.top()), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("0"));
    const int bins = static_cast<int>(histogram_.counts.size());
    const double barWidth = static_cast<double>(plot.width()) / bins;
    for (int i = 0; i < bins; ++i) {
        const int count = histogram_.counts[static_cast<std::size_t>(i)];
        // A bin with runs stays visible however tall the highest bar is.
        const int h =
            count == 0
                ? 0
                : std::max(2, static_cast<int>(static_cast<double>(plot.height()) * count / most + 0.5));
        const int x0 = plot.left() + static_cast<int>(i * barWidth);
        const int x1 = plot.left() + static_cast<int>((i + 1) * barWidth);
        p.fillRect(QRect(x0, plot.bottom() + 1 - h, std::max(1, x1 - x0 - 1), h), QColor(0x30, 0x60, 0xC0));
    }
    p.setPen(Qt::black);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    const int last = histogram_.first + histogram_.width * bins - 1;
    const QRect under(plot.left(), plot.bottom() + 3, plot.width(), line);
    p.drawText(under, Qt::AlignLeft | Qt::AlignVCenter, QString::number(histogram_.first));
    p.drawText(under, Qt::AlignRight | Qt::AlignVCenter, QString::number(last));
    if (histogram_.width > 1)
        p.drawText(under, Qt::AlignHCenter | Qt::AlignVCenter,
                   QStringLiteral("słupek: %1 kroków").arg(histogram_.width));
}

EvaluationDialog::EvaluationDialog(std::function<Workspace()> capture, QWidget* parent)
    : QDialog(parent), capture_(std::move(capture)) {
    setObjectName("evaluationDialog");
    setWindowTitle(QStringLiteral("Oceń algorytm"));

    runs_ = spinBox(this, "runs", 1, 1000000, kDefaultRuns);
    maxSteps_ = spinBox(this, "maxSteps", 1, 100000000, kDefaultMaxSteps);
    seed_ = spinBox(this, "seed", 0, 2147483647, static_cast<int>(Engine::kDefaultSeed));
    startButton_ = button(this, "start", QStringLiteral("&Oceń"));
    cancelButton_ = button(this, "cancel", QStringLiteral("&Anuluj"));
    auto* closeButton = button(this, "close", QStringLiteral("&Zamknij"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName("progress");
    progress_->setFixedSize(kHistogramSize.width(), 20);
    progress_->setRange(0, kDefaultRuns);
    progress_->setValue(0);
    summary_ = new QLabel(this);
    summary_->setObjectName("summary");
    // Room for a sweep's lines: the noise, five levels, the time, and a cancel.
    summary_->setFixedSize(kHistogramSize.width(), 8 * summary_->fontMetrics().lineSpacing() + 4);
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setWordWrap(true);
    histogram_ = new StepHistogramView(this);
    failed_ = new QListWidget(this);
    failed_->setObjectName("failedRuns");
    failed_->setAccessibleName(QStringLiteral("Przebiegi nieudane"));
    failed_->setFixedSize(kHistogramSize.width(), 110);
    showRunButton_ = new QPushButton(QStringLiteral("&Pokaż przebieg"), this);
    showRunButton_->setObjectName("showRun");
    showRunButton_->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Liczba przebiegów:"), this), 0, 0);
    fields->addWidget(runs_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Limit kroków:"), this), 1, 0);
    fields->addWidget(maxSteps_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Ziarno pierwszego przebiegu:"), this), 2, 0);
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
    column->addWidget(new QLabel(QStringLiteral("Przebieg i dostaje ziarno: ziarno pierwszego + i."), this));
    column->addLayout(buttons);
    column->addWidget(progress_);
    column->addWidget(summary_);
    column->addWidget(histogram_);
    auto* failedCaption =
        new QLabel(QStringLiteral("Przebiegi nieudane (zgubione lub bez stopu w limicie):"), this);
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
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, [this] { poll(); });
    setRunning(false);
}

QWidget* EvaluationDialog::noiseBox() {
    auto* group = new QGroupBox(QStringLiteral("Zakłócenia"), this);
    flip_ = realBox(group, "flip", 1.0, 3, 0.01, {});
    shift_ = realBox(group, "shift", 1000.0, 1, 1.0, QStringLiteral(" px"));
    turn_ = realBox(group, "turn", 180.0, 1, 1.0, QStringLiteral("°"));
    sweepButton_ = new QPushButton(QStringLiteral("&Badaj odporność"), group);
    sweepButton_->setObjectName("sweep");
    sweepButton_->setAutoDefault(false);
    sweepChart_ = new SweepChartView(group);
    auto* fields = new QGridLayout;
    const std::pair<const char*, QDoubleSpinBox*> rows[] = {{"Szansa odwrócenia odczytu czujnika:", flip_},
                                                            {"Przesunięcie startu najwyżej o:", shift_},
                                                            {"Obrót startu najwyżej o:", turn_}};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromUtf8(rows[i].first), group);
        label->setBuddy(rows[i].second);
        fields->addWidget(label, i, 0);
        fields->addWidget(rows[i].second, i, 1);
    }
    fields->setColumnStretch(2, 1);
    auto* note =
        new QLabel(QStringLiteral("Zera: bez zakłóceń. Zakłócenia losuje ziarno przebiegu, więc "
                                  "przebieg się powtarza. Badanie odporności ocenia przy poziomach "
                                  "0; 0,25; 0,5; 0,75 i 1 ustawionych zakłóceń, przy tych samych ziarnach."),
                   group);
    note->setWordWrap(true);
    note->setFixedWidth(kHistogramSize.width());
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
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
}

bool EvaluationDialog::launch(int total, std::function<void(const RunSetup&)> work) {
    PreparedRun prepared;
    try {
        judged_ = capture_();
        prepared = prepareRun(judged_);
    } catch (const std::exception& e) {
        prepared.error = e.what();
    }
    if (!prepared.setup) {
        summary_->setText(QStringLiteral("Nie można ocenić: %1.").arg(qs(prepared.error)));
        histogram_->clear();
        return false;
    }
    setup_ = std::make_unique<RunSetup>(std::move(*prepared.setup));
    setup_->noise = judgedNoise_ = noise();
    cancel_ = false;
    done_ = false;
    finished_ = 0;
    progress_->setRange(0, total);
    progress_->setValue(0);
    histogram_->clear();
    failed_->clear();
    started_ = std::chrono::steady_clock::now();
    worker_ = std::thread([this, work = std::move(work)] {
        work(*setup_);
        done_ = true;
    });
    setRunning(true);
    return true;
}

void EvaluationDialog::start() {
    if (running()) return;
    const int runs = runs_->value(), maxSteps = maxSteps_->value();
    const auto seed = static_cast<std::uint32_t>(seed_->value());
    sweeping_ = false;
    if (launch(runs, [this, runs, maxSteps, seed](const RunSetup& setup) {
            result_ = runMany(
                setup, runs, maxSteps, seed, [this](int finished, int) { finished_ = finished; }, cancel_);
        }))
        summary_->setText(QStringLiteral("Trwa ocena…"));
}

void EvaluationDialog::startSweep() {
    if (running()) return;
    if (!noise().any()) {
        summary_->setText(QStringLiteral("Badanie odporności potrzebuje zakłóceń: ustaw co najmniej jedno."));
        return;
    }
    const int runs = runs_->value(), maxSteps = maxSteps_->value();
    const auto seed = static_cast<std::uint32_t>(seed_->value());
    const std::vector<double> levels = defaultSweepLevels();
    sweeping_ = true;
    sweepChart_->clear();
    if (launch(runs * static_cast<int>(levels.size()),
               [this, levels, runs, maxSteps, seed](const RunSetup& setup) {
                   sweep_ = runSweep(
                       setup, levels, runs, maxSteps, seed,
                       [this](int finished, int) { finished_ = finished; }, cancel_);
               }))
        summary_->setText(QStringLiteral("Trwa badanie odporności…"));
}

void EvaluationDialog::cancel() {
    if (!running()) return;
    cancel_ = true;
    cancelButton_->setEnabled(false);
}

void EvaluationDialog::reject() {
    if (running()) {
        cancel_ = true;
        finish();
    }
    QDialog::reject();
}

void EvaluationDialog::poll() {
    progress_->setValue(finished_.load());
    if (done_) finish();
}

void EvaluationDialog::finish() {
    worker_.join();  // the worker is done or stops within milliseconds of the cancel
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started_;
    setRunning(false);
    sweeping_ ? showSweep(took.count()) : showEvaluation(took.count());
}

void EvaluationDialog::showEvaluation(double seconds) {
    progress_->setValue(static_cast<int>(result_.runs.size()));
    QStringList lines;
    if (judgedNoise_.any()) lines << qs("Zakłócenia: " + noiseText(judgedNoise_));
    for (const std::string& line : summaryLines(summarize(result_.runs), result_)) lines << qs(line);
    lines << qs("Czas: " + secondsText(seconds));
    summary_->setText(lines.join('\n'));
    histogram_->setHistogram(stepHistogram(result_.runs, kHistogramBins));
    listFailedRuns();
}

void EvaluationDialog::showSweep(double seconds) {
    int finished = 0;
    for (const SweepPoint& p : sweep_) finished += static_cast<int>(p.evaluation.runs.size());
    progress_->setValue(finished);
    const auto whole = std::count_if(sweep_.begin(), sweep_.end(),
                                     [](const SweepPoint& p) { return !p.evaluation.cancelled; });
    const auto asked = static_cast<long>(defaultSweepLevels().size());
    QStringList lines;
    if (whole < asked)
        lines << QStringLiteral("Przerwano: ukończono %1 z %2 poziomów.").arg(whole).arg(asked);
    lines << qs("Poziom 1: " + noiseText(judgedNoise_));
    for (const SweepPoint& p : sweep_)
        lines << qs("poziom " + decimalText(p.level, 2) + ": dojazd " + percentText(p.summary.success.value) +
                    " (" + percentText(p.summary.success.low) + " – " + percentText(p.summary.success.high) +
                    ")");
    lines << qs("Czas: " + secondsText(seconds));
    summary_->setText(lines.join('\n'));
    sweepChart_->setSweep(sweep_);
    failed_->clear();
}

void EvaluationDialog::listFailedRuns() {
    failed_->clear();
    for (const EvaluatedRun& r : result_.runs) {
        if (failed_->count() == kFailedRunsListed) break;
        const Outcome o = r.result.outcome;
        if (o != Outcome::Lost && o != Outcome::Timeout) continue;
        auto* item = new QListWidgetItem(
            QStringLiteral("przebieg %1, ziarno %2: %3 po %4 krokach")
                .arg(r.run + 1)
                .arg(r.seed)
                .arg(o == Outcome::Lost ? QStringLiteral("zgubiony") : QStringLiteral("bez stopu"))
                .arg(r.result.steps),
            failed_);
        item->setData(Qt::UserRole, static_cast<qulonglong>(r.seed));
        item->setData(Qt::UserRole + 1, r.result.steps);
    }
    showRunButton_->setEnabled(false);
}

bool EvaluationDialog::showSelectedRun() {
    const QListWidgetItem* item = failed_->currentItem();
    if (!item || running() || !showRun) return false;
    if (judgedNoise_.any()) {
        summary_->setText(
            QStringLiteral("Okno jeździ bez zakłóceń, więc nie pokaże tego przebiegu: "
                           "oceń bez zakłóceń, by go obejrzeć."));
        return false;
    }
    const QString refusal =
        showRun(judged_, static_cast<std::uint32_t>(item->data(Qt::UserRole).toULongLong()),
                item->data(Qt::UserRole + 1).toInt());
    if (!refusal.isEmpty()) {
        summary_->setText(refusal);
        return false;
    }
    reject();
    return true;
}

void EvaluationDialog::setRunning(bool on) {
    on ? poll_.start() : poll_.stop();
    startButton_->setEnabled(!on);
    cancelButton_->setEnabled(on);
    runs_->setEnabled(!on);
    maxSteps_->setEnabled(!on);
    seed_->setEnabled(!on);
    for (QWidget* w : std::initializer_list<QWidget*>{flip_, shift_, turn_, sweepButton_}) w->setEnabled(!on);
    showRunButton_->setEnabled(!on && failed_->currentRow() >= 0);
}

QString showEvaluatedRun(MainWindow& window, const Workspace& judged, std::uint32_t seed, int steps) {
    TForm1& form = window.form();
    if (!formHolds(form, judged))
        return QStringLiteral(
            "Robot, mapa lub reguły zmieniły się od oceny: oceń jeszcze raz, by pokazać przebieg.");
    if (static_cast<std::uint64_t>(steps) > kHistoryBound)
        return QStringLiteral("Ten przebieg ma ponad %1 kroków: za długi, by go pokazać.").arg(kHistoryBound);
    const auto stopAt = static_cast<std::uint64_t>(std::max(0, steps - kStepsBeforeEnd));
    window.handle([&form, seed, stopAt] { form.ReplaySeededRun(seed, stopAt); });
    // The menu's check mark follows the trail the replay switched on.
    if (auto* trail = window.simulationMenu()->findChild<QAction*>(QStringLiteral("actionShowTrail")))
        trail->setChecked(true);
    window.notebook()->setCurrentIndex(kSimulationPage);
    return {};
}

void addEvaluationAction(MainWindow& window) {
    QAction* action = window.simulationMenu()->addAction(QStringLiteral("&Oceń algorytm…"));
    action->setObjectName("actionEvaluate");
    auto dialog = std::make_shared<QPointer<EvaluationDialog>>();
    QObject::connect(action, &QAction::triggered, &window, [&window, dialog] {
        if (!*dialog) {
            *dialog = new EvaluationDialog([&window] { return captureWorkspace(window.form()); }, &window);
            (*dialog)->setAttribute(Qt::WA_DeleteOnClose);
            (*dialog)->showRun = [&window](const Workspace& judged, std::uint32_t seed, int steps) {
                return showEvaluatedRun(window, judged, seed, steps);
            };
            fitOnScreen(*dialog, (*dialog)->sizeHint());
        }
        (*dialog)->show();
        (*dialog)->raise();
        (*dialog)->activateWindow();
    });
}

}  // namespace vemrik
