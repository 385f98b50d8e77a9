#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "evaluation/evaluation_job.h"
#include "workspace/workspace.h"

class QAction;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace vemrik {

class MainWindow;
class StepHistogramView;
class SweepChartView;

/// "Oceń algorytm": many seeded runs of the workspace the window holds when "Oceń" is pressed,
/// run in Qt's thread pool, with progress, cancel, the job's report and a histogram of steps to
/// the stop; optionally with noise, and "Badaj odporność" sweeps the noise levels and plots the
/// success rate.
class EvaluationDialog : public QDialog {
    Q_OBJECT

public:
    /// `capture` gives the workspace to judge; it is called in the GUI thread at each start.
    explicit EvaluationDialog(std::function<Workspace()> capture, QWidget* parent = nullptr);
    /// Cancels a running job and waits for it.
    ~EvaluationDialog() override;

    /// "Oceń": starts an evaluation unless one runs; a workspace that cannot be run is reported.
    void start();
    /// "Badaj odporność": starts a sweep over defaultSweepLevels of the noise set, unless
    /// something runs; without any noise set it says so and runs nothing.
    void startSweep();
    /// "Anuluj": asks the runs to stop; the finished ones are shown when the job returns.
    void cancel();
    bool running() const { return job_ != nullptr; }

    /// "Pokaż przebieg": shows run `seed` of the judged workspace with its noise in the window,
    /// stopped `steps` - 20 steps in; returns why it cannot, or an empty text.
    std::function<QString(const Workspace& judged, const Noise& noise, std::uint32_t seed, int steps)>
        showRun;
    /// Shows the run selected among the failed ones and closes the dialog; false when none is
    /// selected or showRun refuses (it then says why).
    bool showSelectedRun();

    QSpinBox* runsBox() const { return runs_; }
    QSpinBox* maxStepsBox() const { return maxSteps_; }
    /// Whole numbers 0 … 4294967295: a QSpinBox stops at 2^31 - 1.
    QDoubleSpinBox* seedBox() const { return seed_; }
    QDoubleSpinBox* flipBox() const { return flip_; }
    QDoubleSpinBox* shiftBox() const { return shift_; }
    QDoubleSpinBox* turnBox() const { return turn_; }
    QPushButton* sweepButton() const { return sweepButton_; }
    SweepChartView* sweepChart() const { return sweepChart_; }
    /// The noise the boxes ask for.
    Noise noise() const;
    QPushButton* startButton() const { return startButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QProgressBar* progressBar() const { return progress_; }
    QLabel* summaryLabel() const { return summary_; }
    /// The report's lines as the summary shows them, a sweep's table rows with their cells joined
    /// by " | "; or the one line that says why nothing ran.
    QStringList summaryLines() const { return shownLines_; }
    StepHistogramView* histogramView() const { return histogram_; }
    /// The runs that were lost or timed out, with their seeds and steps.
    QListWidget* failedRuns() const { return failed_; }

    /// Closing cancels a running job first and waits for it.
    void reject() override;

signals:
    /// A job has returned and its report is shown.
    void evaluated();

private:
    JobSettings settingsAsked() const;
    /// Prepares the job of the workspace and starts it in the thread pool; false, with the reason
    /// shown, when the workspace cannot be run.
    bool launch(const JobSettings& settings);
    QWidget* noiseBox();
    void finish();
    void showReport(const JobResult& r);
    void showMessage(const QString& text);
    void setRunning(bool on);
    void listFailedRuns(const JobResult& r);

    std::function<Workspace()> capture_;
    QSpinBox* runs_ = nullptr;
    QSpinBox* maxSteps_ = nullptr;
    QDoubleSpinBox* seed_ = nullptr;
    QDoubleSpinBox* flip_ = nullptr;
    QDoubleSpinBox* shift_ = nullptr;
    QDoubleSpinBox* turn_ = nullptr;
    QPushButton* sweepButton_ = nullptr;
    SweepChartView* sweepChart_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* summary_ = nullptr;
    QStringList shownLines_;
    StepHistogramView* histogram_ = nullptr;
    QListWidget* failed_ = nullptr;
    QPushButton* showRunButton_ = nullptr;
    Workspace judged_;
    /// The noise of the last evaluation, which a shown run is made with.
    Noise judgedNoise_;
    /// The job on its way, shared with the pool's thread; none between jobs.
    std::shared_ptr<EvaluationJob> job_;
    QFutureWatcher<JobResult> watcher_;
};

/// Shows run `seed` of an evaluation of `judged` with `noise` in the window, stopped 20 steps
/// before its `steps`, on "Symulacja" with the trail on; returns why it cannot, or an empty text.
QString showEvaluatedRun(MainWindow& window, const Workspace& judged, const Noise& noise, std::uint32_t seed,
                         int steps);

/// Makes "Oceń algorytm…" of the window's "Symulacja" menu open one dialog for the window.
void addEvaluationAction(MainWindow& window);

}  // namespace vemrik
