#include "ui/qt/sweep_chart.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>

#include "ui/evaluation_texts.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

const QSize kChartSize(460, 220);
const QColor kPlotBlue(0x30, 0x60, 0xC0);
const QColor kGrid(0xE0, 0xE0, 0xE0);
constexpr int kTicks = 4;  // the share axis in quarters
constexpr int kBarHalf = 4;
constexpr int kDot = 3;

}  // namespace

SweepChartView::SweepChartView(QWidget* parent) : QWidget(parent) {
    setObjectName("sweepChart");
    setAccessibleName(Vemrik::tr(EvaluationTexts::chartName.pl.data()));
    setFixedSize(kChartSize);
}

void SweepChartView::setSweep(const std::vector<SweepPoint>& sweep) {
    points_.clear();
    for (const SweepPoint& s : sweep) points_.push_back({s.level, s.summary.success});
    lowest_ = 0.0;
    highest_ = 1.0;
    // Levels of their own may not span 0 .. 1; the axis spans them, and 0 .. 1 at least.
    for (const Point& p : points_) {
        lowest_ = std::min(lowest_, p.level);
        highest_ = std::max(highest_, p.level);
    }
    update();
}

void SweepChartView::clear() {
    points_.clear();
    update();
}

QRect SweepChartView::plotRect() const {
    const QFontMetrics fm(font());
    const int left = 10 + fm.horizontalAdvance(QStringLiteral("100 %")) + 6;
    const int top = 2 * fm.height() + 8;
    return QRect(left, top, width() - left - 28, height() - top - 2 * fm.height() - 12);
}

QPointF SweepChartView::at(double level, double share) const {
    const QRect plot = plotRect();
    const double span = highest_ > lowest_ ? highest_ - lowest_ : 1.0;
    return {plot.left() + (level - lowest_) / span * plot.width(), plot.bottom() - share * plot.height()};
}

void SweepChartView::paintAxes(QPainter& p, const QRect& plot) const {
    const QFontMetrics fm(font());
    const int line = fm.height();
    for (int i = 0; i <= kTicks; ++i) {
        const double share = static_cast<double>(i) / kTicks;
        const int y = static_cast<int>(at(lowest_, share).y());
        p.setPen(kGrid);
        if (i > 0) p.drawLine(plot.left() + 1, y, plot.right(), y);
        p.setPen(Qt::black);
        p.drawText(QRect(4, y - line / 2, plot.left() - 10, line), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1 %").arg(100 * i / kTicks));
    }
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    for (int i = 0; i <= kTicks; ++i) {
        const double level = lowest_ + (highest_ - lowest_) * i / kTicks;
        const int x = static_cast<int>(at(level, 0.0).x());
        p.drawLine(x, plot.bottom(), x, plot.bottom() + 3);
        p.drawText(QRect(x - 30, plot.bottom() + 4, 60, line), Qt::AlignHCenter | Qt::AlignVCenter,
                   qs(decimalText(level, 2)));
    }
    p.drawText(QRect(plot.left(), plot.bottom() + 3 + line, plot.width(), line),
               Qt::AlignHCenter | Qt::AlignVCenter, Vemrik::tr(EvaluationTexts::chartLevel.pl.data()));
    p.drawText(QRect(6, 2 + line, width() - 12, line), Qt::AlignLeft | Qt::AlignVCenter,
               Vemrik::tr(EvaluationTexts::chartShare.pl.data()));
}

void SweepChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.drawText(QRect(6, 2, width() - 12, fontMetrics().height()), Qt::AlignLeft | Qt::AlignVCenter,
               Vemrik::tr(EvaluationTexts::chartTitle.pl.data()));
    const QRect plot = plotRect();
    paintAxes(p, plot);
    if (points_.empty()) return;
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF line;
    for (const Point& pt : points_) line << at(pt.level, pt.success.value);
    p.setPen(QPen(kPlotBlue, 1.5));
    p.drawPolyline(line);
    for (const Point& pt : points_) {
        const QPointF low = at(pt.level, pt.success.low), high = at(pt.level, pt.success.high);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(low, high);
        p.drawLine(low - QPointF(kBarHalf, 0), low + QPointF(kBarHalf, 0));
        p.drawLine(high - QPointF(kBarHalf, 0), high + QPointF(kBarHalf, 0));
        p.setBrush(kPlotBlue);
        p.drawEllipse(at(pt.level, pt.success.value), kDot, kDot);
    }
}

}  // namespace vemrik
