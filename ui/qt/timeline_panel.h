#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

#include "analysis/run_log_reader.h"
#include "simulation/run_timeline.h"
#include "simulation/timeline_feed.h"
#include "ui/timeline_log.h"
#include "ui/timeline_view.h"

class QAction;
class QDockWidget;
class QLabel;
class QPushButton;

namespace vemrik {

class MainWindow;
class TimelineWidget;

/// A file the chart is saved to, and whether as SVG (else PNG).
struct ChartFile {
    QString path;
    bool svg = false;
};

/// The file for a name typed in the save dialog under the type chosen there (its name filter): a
/// name without a dot gets the type's suffix, as the dialog adds it; a name ending in .png or .svg
/// is saved as that, any other as the type chosen.
ChartFile chartFileFor(const QString& typed, const QString& chosenFilter);

/// "Przebieg w czasie" in the menu "Symulacja": a dock under the window, hidden at start, with the
/// chart of the run since "Start". It follows the run the form holds (a replayed or stepped-back
/// one too), a click on the chart shows that step as the step slider would, and "Zapisz
/// wykres…" saves the chart as PNG or SVG. While hidden it does nothing at all. It can show a robot's
/// log instead, until "Start" or "Wróć do symulacji" takes it back to the window's run.
class TimelinePanel : public QObject {
public:
    explicit TimelinePanel(MainWindow& window);

    /// Where and how to save the chart; an empty path when cancelled. Replaceable where no one
    /// can click.
    std::function<ChartFile(const QString& suggested)> chooseChartFile;
    std::function<void(const QString& message)> showError;

    /// "Zapisz wykres…" to the file chosen; false when cancelled or not written.
    bool saveChart();
    /// Brings the chart to the form's run; does nothing while hidden or showing a log.
    void refresh();
    /// Composes the texts made from the run or log again at the next refresh, in the language now.
    void forgetTexts();
    /// Shows the panel with a robot's log, from file `fileName`, in place of the window's run; a
    /// click on it only tells about the step.
    void showLog(const RunLog& log, const QString& fileName);
    /// "Wróć do symulacji": follows the window's run again.
    void followWindow();
    bool showingLog() const { return log_.shown(); }
    QLabel* source() const { return source_; }
    QPushButton* backButton() const { return back_; }

    QAction* action() const { return action_; }
    QDockWidget* dock() const { return dock_; }
    TimelineWidget* chart() const { return chart_; }
    QLabel* legend() const { return legend_; }
    const RunTimeline& timeline() const { return timeline_; }

private:
    void showSource();
    void build();
    void showLegend();
    const std::vector<std::string>& ruleTexts() const;
    /// Keeps the dock the room its chart needs, as far as the screen allows, the form scrolling
    /// in what is left, and the window on the screen.
    void fitWindow();
    void claimRoom();
    void clickShowsStep();
    bool write(const ChartFile& file);

    MainWindow& window_;
    QDockWidget* dock_ = nullptr;
    QAction* action_ = nullptr;
    TimelineWidget* chart_ = nullptr;
    QLabel* legend_ = nullptr;
    QLabel* source_ = nullptr;
    QPushButton* back_ = nullptr;
    RunTimeline timeline_;
    TimelineLog log_;
    FormFeed feed_;
    std::uint64_t shownVersion_ = ~std::uint64_t{0};
    std::size_t legendLines_ = ~std::size_t{0};
};

/// The window's panel, or null where it has none.
TimelinePanel* timelinePanelOf(MainWindow& window);

/// Puts the panel and its menu entry on the window, which owns it from then on.
TimelinePanel* addTimelinePanel(MainWindow& window);

}  // namespace vemrik
