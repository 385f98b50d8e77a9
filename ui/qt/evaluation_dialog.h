#pragma once

#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "evaluation/run_many.h"
#include "evaluation/summary.h"
#include "evaluation/sweep.h"
#include "workspace/workspace.h"

class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace vemrik {

class MainWindow;
class SweepChartView;

/// Bars of the successful runs by steps to the stop, with the step range beneath.
class StepHistogramView : public QWidget {
    Q_OBJECT

public:
    explicit StepHistogramView(QWidget* parent = nullptr);
    /// Shows the bins of a finished evaluation.
    void setHistogram(Histogram h);
    /// Shows nothing, as before the first evaluation.
    void clear();
    const Histogram& histogram() const { return histogram_; }
    /// Where the highest count is written, left of the bars: as wide as its text at least.
    QRect topCountRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int most() const;
    QRect plotRect() const;

    Histogram histogram_;
    bool shown_ = false;
};

/// "Oceń algorytm": many seeded runs of the workspace the window holds when "Oceń" is pressed,
/// in a worker thread, with progress, cancel, the summary and a histogram of steps to the stop;
/// optionally with noise, and "Badaj odporność" sweeps the noise levels and plots the success rate.
class EvaluationDialog : public QDialog {
    Q_OBJECT

public:
    /// `capture` gives the workspace to judge; it is called in the GUI thread at each start.
    explicit EvaluationDialog(std::function<Workspace()> capture, QWidget* parent = nullptr);
    /// Cancels a running evaluation and waits for its threads.
    ~EvaluationDialog() override;

    /// "Oceń": starts an evaluation unless one runs; a workspace that cannot be run is reported.
    void start();
    /// "Badaj odporność": starts a sweep over defaultSweepLevels of the noise set, unless
    /// something runs; without any noise set it says so and runs nothing.
    void startSweep();
    /// "Anuluj": asks the runs to stop; the finished ones are shown when the worker is done.
    void cancel();
    bool running() const { return worker_.joinable(); }

    /// "Pokaż przebieg": shows run `seed` of the judged workspace in the window, stopped
    /// `steps` - 20 steps in; returns why it cannot, or an empty text.
    std::function<QString(const Workspace& judged, std::uint32_t seed, int steps)> showRun;
    /// Shows the run selected among the failed ones and closes the dialog; false when none is
    /// selected or showRun refuses (it then says why).
    bool showSelectedRun();

    QSpinBox* runsBox() const { return runs_; }
    QSpinBox* maxStepsBox() const { return maxSteps_; }
    QSpinBox* seedBox() const { return seed_; }
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
    StepHistogramView* histogramView() const { return histogram_; }
    /// The runs that were lost or timed out, with their seeds and steps.
    QListWidget* failedRuns() const { return failed_; }

    /// Closing cancels a running evaluation first.
    void reject() override;

private:
    /// Prepares the setup of the workspace and starts `work` on it in the worker thread; false,
    /// with the reason shown, when the workspace cannot be run.
    bool launch(int total, std::function<void(const RunSetup&)> work);
    QWidget* noiseBox();
    void poll();
    void finish();
    void showEvaluation(double seconds);
    void showSweep(double seconds);
    void setRunning(bool on);
    void listFailedRuns();

    std::function<Workspace()> capture_;
    QSpinBox* runs_ = nullptr;
    QSpinBox* maxSteps_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QDoubleSpinBox* flip_ = nullptr;
    QDoubleSpinBox* shift_ = nullptr;
    QDoubleSpinBox* turn_ = nullptr;
    QPushButton* sweepButton_ = nullptr;
    SweepChartView* sweepChart_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* summary_ = nullptr;
    StepHistogramView* histogram_ = nullptr;
    QListWidget* failed_ = nullptr;
    QPushButton* showRunButton_ = nullptr;
    QTimer poll_;
    Workspace judged_;
    /// The noise of the last evaluation: its runs cannot be shown in the window with any.
    Noise judgedNoise_;

    // Shared with the worker: the setup it reads, the flags, and its result once `done_` is set.
    std::unique_ptr<RunSetup> setup_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> done_{false};
    std::atomic<int> finished_{0};
    Evaluation result_;
    bool sweeping_ = false;
    std::vector<SweepPoint> sweep_;
    std::chrono::steady_clock::time_point started_;
    std::thread worker_;
};

/// Shows run `seed` of an evaluation of `judged` in the window, stopped 20 steps before its
/// `steps`, on "Symulacja" with the trail on; returns why it cannot, or an empty text.
QString showEvaluatedRun(MainWindow& window, const Workspace& judged, std::uint32_t seed, int steps);

/// Adds "Oceń algorytm…" to the window's "Symulacja" menu; it opens one dialog for the window.
void addEvaluationAction(MainWindow& window);

}  // namespace vemrik
