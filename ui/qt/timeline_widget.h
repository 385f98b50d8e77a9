#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "simulation/run_timeline.h"
#include "simulation/timeline_chart.h"

class QPainter;

namespace vemrik {

/// The chart of a run over its steps, with its row names, heading scale and step axis. The wheel
/// zooms about the pointer, a drag pans, a click picks a step; it follows the end of a growing
/// run until the user moves away from it.
class TimelineWidget : public QWidget {
public:
    /// Room for the row names left of the plot and the step axis under it.
    static constexpr int kLabelWidth = 78;
    static constexpr int kAxisHeight = 16;

    explicit TimelineWidget(const RunTimeline& timeline, QWidget* parent = nullptr);

    /// A click on a column: the run's step number of its last step. Without it a click shows the
    /// column's tooltip and nothing else.
    std::function<void(std::uint64_t step)> stepClicked;
    /// The rule list, for the texts of tooltips.
    std::function<const std::vector<std::string>&()> rules;

    /// The time line changed: repaints, following its end when the view did.
    void timelineChanged();
    /// Marks kept step `index` with the cursor line (none past the end).
    void markStep(std::size_t index);
    /// "Całość": the whole run in the plot.
    void fitAll();
    /// The view a new chart starts with: a few columns a step, following the end.
    void resetView();
    void zoom(double factor, int column);
    void pan(int columns);

    const TimelineChart& chart() const { return chart_; }
    const TimelineView& view() const { return view_; }
    bool following() const { return follow_; }
    int plotWidth() const;
    /// The plot column under a widget x, or -1.
    int columnAt(int x) const;
    /// The tooltip of plot column x.
    QString tooltipAt(int column) const;

    /// The chart as the screen shows it, labels included; `vector` draws the plot as shapes.
    void render(QPainter& p, bool vector) const;
    QSize chartSize() const { return {kLabelWidth + chart_.width(), chart_rows::kHeight + kAxisHeight}; }

protected:
    QSize sizeHint() const override;
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void repaintChart();
    void followEnd();
    void drawLabels(QPainter& p) const;
    void drawHeadingScale(QPainter& p, int textRight) const;
    void drawStepAxis(QPainter& p, int textRight) const;

    const RunTimeline& timeline_;
    TimelineView view_;
    TimelineChart chart_;
    std::size_t cursor_ = static_cast<std::size_t>(-1);
    bool follow_ = true;
    bool fitOnResize_ = false;
    bool dragging_ = false;
    int pressX_ = 0;
    int lastX_ = 0;
};

}  // namespace vemrik
