#pragma once

#include <QRect>
#include <QWidget>

#include "evaluation/summary.h"

namespace vemrik {

/// Bars of the successful runs by steps to the stop, with the step range and the axes' names.
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
    void paintBars(QPainter& p, const QRect& plot) const;
    void paintAxisNames(QPainter& p, const QRect& plot) const;

    Histogram histogram_;
    bool shown_ = false;
};

}  // namespace vemrik
