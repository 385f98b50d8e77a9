#pragma once

#include <QWidget>
#include <vector>

#include "evaluation/summary.h"
#include "evaluation/sweep.h"

namespace vemrik {

/// The success rate against the noise level of a sweep: a point per level, its 95 % interval as
/// an error bar, the points joined by a line.
class SweepChartView : public QWidget {
    Q_OBJECT

public:
    /// One level as the chart shows it.
    struct Point {
        double level = 0.0;
        Rate success;
    };

    explicit SweepChartView(QWidget* parent = nullptr);
    /// Shows the levels of a finished sweep.
    void setSweep(const std::vector<SweepPoint>& sweep);
    /// Shows the empty axes, as before the first sweep.
    void clear();
    const std::vector<Point>& points() const { return points_; }
    /// Where the level `level` and the share `share` are drawn.
    QPointF at(double level, double share) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect plotRect() const;
    void paintAxes(QPainter& p, const QRect& plot) const;

    std::vector<Point> points_;
    double lowest_ = 0.0;
    double highest_ = 1.0;
};

}  // namespace vemrik
