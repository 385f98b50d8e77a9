#include "ui/qt/timeline_widget.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>
#include <cstring>

#include "simulation/timeline_feed.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

using namespace chart_rows;

// A new run shows four pixel columns a step until it fills the plot.
constexpr double kStartStepsPerColumn = 0.25;
// A move shorter than this is a click, not a drag.
constexpr int kDragSlack = 3;
constexpr double kWheelZoom = 1.25;
const QColor kLabelColour(60, 60, 60);

QImage chartImage(const TimelineChart& chart) {
    return QImage(reinterpret_cast<const uchar*>(chart.pixels()), chart.width(), chart.height(),
                  chart.width() * 4, QImage::Format_RGB32);
}

// The plot as rectangles of one colour: equal rows merged, runs of a colour within a row.
void drawPlotShapes(QPainter& p, const TimelineChart& chart, int left) {
    const int w = chart.width();
    const std::uint32_t* px = chart.pixels();
    int top = 0;
    for (int y = 1; y <= chart.height(); ++y) {
        if (y < chart.height() && std::memcmp(px + y * w, px + top * w, static_cast<std::size_t>(w) * 4) == 0)
            continue;
        const std::uint32_t* row = px + top * w;
        for (int x = 0; x < w;) {
            int end = x + 1;
            while (end < w && row[end] == row[x]) ++end;
            if (row[x] != kChartBackground)
                p.fillRect(QRect(left + x, top, end - x, y - top), QColor::fromRgb(row[x]));
            x = end;
        }
        top = y;
    }
}

}  // namespace

TimelineWidget::TimelineWidget(const RunTimeline& timeline, QWidget* parent)
    : QWidget(parent), timeline_(timeline) {
    view_.stepsPerColumn = kStartStepsPerColumn;
    setMinimumHeight(kHeight + kAxisHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::ClickFocus);
}

QSize TimelineWidget::sizeHint() const { return {700, kHeight + kAxisHeight}; }

int TimelineWidget::plotWidth() const { return std::max(0, width() - kLabelWidth); }

int TimelineWidget::columnAt(int x) const {
    const int column = x - kLabelWidth;
    return column >= 0 && column < chart_.width() ? column : -1;
}

void TimelineWidget::timelineChanged() {
    if (follow_) followEnd();
    repaintChart();
}

void TimelineWidget::markStep(std::size_t index) {
    if (index == cursor_) return;
    cursor_ = index;
    repaintChart();
}

void TimelineWidget::fitAll() {
    // Not laid out yet: fitted when it is.
    fitOnResize_ = plotWidth() == 0;
    view_ = fitView(timeline_.size(), plotWidth());
    follow_ = true;
    repaintChart();
}

void TimelineWidget::resetView() {
    view_ = TimelineView{0.0, kStartStepsPerColumn};
    follow_ = true;
    fitOnResize_ = false;
    timelineChanged();
}

void TimelineWidget::zoom(double factor, int column) {
    view_ = zoomView(view_, factor, column, timeline_.size(), plotWidth());
    follow_ = view_.first + plotWidth() * view_.stepsPerColumn >= static_cast<double>(timeline_.size());
    repaintChart();
}

void TimelineWidget::pan(int columns) {
    view_ = panView(view_, columns, timeline_.size(), plotWidth());
    follow_ = view_.first + plotWidth() * view_.stepsPerColumn >= static_cast<double>(timeline_.size());
    repaintChart();
}

void TimelineWidget::followEnd() {
    view_.first = std::max(0.0, static_cast<double>(timeline_.size()) - plotWidth() * view_.stepsPerColumn);
}

void TimelineWidget::repaintChart() {
    chart_.paint(timeline_, view_, plotWidth(), cursor_);
    update();
}

QString TimelineWidget::tooltipAt(int column) const {
    if (column < 0 || column >= chart_.width()) return {};
    const auto [a, b] = chart_.range(column);
    if (a == b) return {};
    static const std::vector<std::string> none;
    return qs(columnTooltip(timeline_, a, b, chart_.column(column), rules ? rules() : none));
}

bool TimelineWidget::event(QEvent* e) {
    if (e->type() != QEvent::ToolTip) return QWidget::event(e);
    auto* help = static_cast<QHelpEvent*>(e);
    const QString text = tooltipAt(columnAt(help->pos().x()));
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

void TimelineWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    render(p, false);
}

void TimelineWidget::render(QPainter& p, bool vector) const {
    if (vector)
        drawPlotShapes(p, chart_, kLabelWidth);
    else if (chart_.width() > 0)
        p.drawImage(kLabelWidth, 0, chartImage(chart_));
    drawLabels(p);
}

void TimelineWidget::drawLabels(QPainter& p) const {
    QFont font = p.font();
    font.setPixelSize(8);
    p.setFont(font);
    p.setPen(kLabelColour);
    const int textRight = kLabelWidth - 4;
    const auto label = [&](int top, int height, const QString& text) {
        p.drawText(QRect(0, top, textRight, height), Qt::AlignRight | Qt::AlignVCenter, text);
    };
    label(kMarkTop, 4 * kMarkHeight, Vemrik::tr("znaczniki"));
    for (int k = 0; k < 8; ++k)
        label(kSensorTop + k * kRowPitch, kRowPitch, Vemrik::tr("czujnik %1").arg(k + 1));
    label(kStopTop, kRowPitch, Vemrik::tr("stop"));
    label(kRuleTop, kRuleHeight, Vemrik::tr("reguła"));
    label(kHeadingTop + kHeadingHeight / 2 - 6, 12, Vemrik::tr("kierunek"));

    if (timeline_.headingKnown())
        drawHeadingScale(p, textRight);
    else
        p.drawText(QRect(kLabelWidth + 4, kHeadingTop, std::max(chart_.width() - 4, 0), kHeadingHeight),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   Vemrik::tr("kierunek nieznany: dziennik robota go nie podaje"));
    drawStepAxis(p, textRight);
}

void TimelineWidget::drawHeadingScale(QPainter& p, int textRight) const {
    // Its ends, each written inside the heading's rows, and its middle.
    const double low = chart_.headingLow(), high = chart_.headingHigh();
    for (const double h : {high, (low + high) / 2.0, low}) {
        const int y = chart_.headingRow(h);
        p.drawLine(kLabelWidth - 3, y, kLabelWidth - 1, y);
    }
    const int highRow = chart_.headingRow(high), lowRow = chart_.headingRow(low);
    p.drawText(QRect(0, highRow, textRight, 10), Qt::AlignRight | Qt::AlignTop,
               QStringLiteral("%1°").arg(high));
    p.drawText(QRect(0, lowRow - 9, textRight, 10), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("%1°").arg(low));
}

void TimelineWidget::drawStepAxis(QPainter& p, int textRight) const {
    // The first, middle and last column's first step.
    const int w = chart_.width();
    const int axisTop = kHeight + 2;
    for (const int column : {0, w / 2, w - 1}) {
        if (column < 0 || column >= w) continue;
        const auto [a, b] = chart_.range(column);
        if (a == b) continue;
        const int x = kLabelWidth + column;
        p.drawLine(x, kHeight, x, axisTop);
        const QString text = QString::number(timeline_.firstStep() + a);
        const int tw = p.fontMetrics().horizontalAdvance(text);
        const int left = std::clamp(x - tw / 2, kLabelWidth, kLabelWidth + w - tw);
        p.drawText(QRect(left, axisTop, tw + 1, kAxisHeight - 2), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    p.drawText(QRect(0, axisTop, textRight, kAxisHeight - 2), Qt::AlignRight | Qt::AlignVCenter,
               Vemrik::tr("krok"));
}

void TimelineWidget::resizeEvent(QResizeEvent*) {
    if (fitOnResize_ && plotWidth() > 0) {
        fitOnResize_ = false;
        view_ = fitView(timeline_.size(), plotWidth());
    }
    if (follow_) followEnd();
    repaintChart();
}

void TimelineWidget::wheelEvent(QWheelEvent* e) {
    const int column = columnAt(static_cast<int>(e->position().x()));
    const double notches = e->angleDelta().y() / 120.0;
    if (notches == 0.0) return;
    zoom(std::pow(kWheelZoom, -notches), std::max(column, 0));
    e->accept();
}

void TimelineWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    dragging_ = false;
    pressX_ = lastX_ = static_cast<int>(e->position().x());
}

void TimelineWidget::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton)) return;
    const int x = static_cast<int>(e->position().x());
    if (!dragging_ && std::abs(x - pressX_) <= kDragSlack) return;
    dragging_ = true;
    pan(lastX_ - x);
    lastX_ = x;
}

void TimelineWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || dragging_) return;
    const int column = columnAt(static_cast<int>(e->position().x()));
    if (column < 0) return;
    const auto [a, b] = chart_.range(column);
    if (a >= b) return;
    if (stepClicked)
        stepClicked(timeline_.firstStep() + b - 1);
    else
        QToolTip::showText(e->globalPosition().toPoint(), tooltipAt(column), this);
}

}  // namespace vemrik
