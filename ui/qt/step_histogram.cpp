#include "ui/qt/step_histogram.h"

#include <QPainter>
#include <algorithm>

#include "ui/qt/texts.h"

namespace vemrik {

namespace {

const QSize kSize(460, 190);
// The count scale left of the plot: a margin, the axis's name turned upright, the counts' column,
// a gap to the bars.
constexpr int kCountMargin = 4;
constexpr int kCountMinWidth = 28;
constexpr int kCountGap = 4;
const QColor kBarColour(0x30, 0x60, 0xC0);
const QColor kFrameColour(0x80, 0x80, 0x80);

}  // namespace

StepHistogramView::StepHistogramView(QWidget* parent) : QWidget(parent) {
    setObjectName("histogram");
    setFixedSize(kSize);
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
    const int left = kCountMargin + line + countWidth + kCountGap;
    return QRect(left, line + 8, width() - left - 12, height() - 3 * line - 18);
}

QRect StepHistogramView::topCountRect() const {
    const QRect plot = plotRect();
    const int line = fontMetrics().height();
    const int left = kCountMargin + line;
    return QRect(left, plot.top() - line / 2, plot.left() - kCountGap - left, line);
}

void StepHistogramView::paintAxisNames(QPainter& p, const QRect& plot) const {
    const int line = fontMetrics().height();
    p.drawText(QRect(plot.left(), plot.bottom() + 3 + line, plot.width(), line), Qt::AlignCenter,
               Vemrik::tr("kroki do mety"));
    p.save();
    p.translate(kCountMargin, plot.bottom());
    p.rotate(-90);
    p.drawText(QRect(0, 0, plot.height(), line), Qt::AlignCenter, Vemrik::tr("liczba prób"));
    p.restore();
}

void StepHistogramView::paintBars(QPainter& p, const QRect& plot) const {
    const int most = this->most();
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
        p.fillRect(QRect(x0, plot.bottom() + 1 - h, std::max(1, x1 - x0 - 1), h), kBarColour);
    }
}

void StepHistogramView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(kFrameColour);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const int line = fontMetrics().height();
    p.setPen(Qt::black);
    p.drawText(QRect(6, 2, width() - 12, line), Qt::AlignLeft | Qt::AlignVCenter,
               Vemrik::tr("Kroki do stopu (przebiegi zakończone sukcesem)"));
    if (!shown_) return;
    if (histogram_.counts.empty()) {
        p.setPen(kFrameColour);
        p.drawText(rect(), Qt::AlignCenter, Vemrik::tr("brak przebiegów, które dojechały"));
        return;
    }
    const QRect plot = plotRect();
    const QRect top = topCountRect();
    p.drawText(top, Qt::AlignRight | Qt::AlignVCenter, QString::number(most()));
    p.drawText(top.translated(0, plot.bottom() - plot.top()), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("0"));
    paintBars(p, plot);
    p.setPen(Qt::black);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    paintAxisNames(p, plot);
    const int bins = static_cast<int>(histogram_.counts.size());
    const int last = histogram_.first + histogram_.width * bins - 1;
    const QRect under(plot.left(), plot.bottom() + 3, plot.width(), line);
    p.drawText(under, Qt::AlignLeft | Qt::AlignVCenter, QString::number(histogram_.first));
    p.drawText(under, Qt::AlignRight | Qt::AlignVCenter, QString::number(last));
    if (histogram_.width > 1)
        p.drawText(under, Qt::AlignHCenter | Qt::AlignVCenter,
                   Vemrik::tr("słupek: %1 kroków").arg(histogram_.width));
}

}  // namespace vemrik
