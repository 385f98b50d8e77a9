#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "simulation/run_timeline.h"
#include "simulation/timeline_chart.h"
#include "ui/timeline_view.h"

class QPainter;

namespace vemrik {

/// The chart of a run over its steps, with its row names, heading scale and step axis, in the
/// widget's font, the chart's rows as tall as a line of it. The wheel zooms about the pointer, a
/// drag pans, a click picks a step; the whole run fits the plot until the user zooms or pans, and
/// from then on it follows the end of a growing run until the user moves away from it.
class TimelineWidget : public QWidget {
public:
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
    /// Headings within 0 … 360° (the start), or the turn counted on.
    void setHeadingWrapped(bool wrapped);

    const TimelineChart& chart() const { return viewer_.chart(); }
    const TimelineView& view() const { return viewer_.view(); }
    bool following() const { return viewer_.following(); }
    /// Whether the whole run is kept in the plot.
    bool fitting() const { return viewer_.fitting(); }
    /// Room for the row names left of the plot.
    int labelWidth() const;
    int plotWidth() const;
    /// The plot column under a widget x, or -1.
    int columnAt(int x) const;
    /// The tooltip of plot column x.
    QString tooltipAt(int column) const;

    /// The chart as the screen shows it, labels included; `vector` draws the plot as shapes.
    void render(QPainter& p, bool vector) const;
    QSize chartSize() const { return {labelWidth() + chart().width(), plotHeight() + axisHeight()}; }

protected:
    QSize sizeHint() const override;
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void repaintChart();
    /// Widget rows per chart row, so that a sensor's row is as tall as a line of the labels.
    double rowScale() const;
    /// The widget row of chart row `row`.
    int rowAt(int row) const;
    int plotHeight() const { return rowAt(chart_rows::kHeight); }
    int axisHeight() const;
    void drawLabels(QPainter& p) const;
    void drawHeadingScale(QPainter& p, int textRight) const;
    void drawStepAxis(QPainter& p, int textRight) const;

    const RunTimeline& timeline_;
    TimelineViewer viewer_;
    bool dragging_ = false;
    int pressX_ = 0;
    int lastX_ = 0;
};

}  // namespace vemrik
