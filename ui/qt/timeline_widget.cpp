#include "ui/qt/timeline_widget.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

#include "simulation/timeline_feed.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/texts.h"
#include "ui/timeline_texts.h"

namespace vemrik {

namespace {

using namespace chart_rows;

// A move shorter than this is a click, not a drag.
constexpr int kDragSlack = 3;
constexpr double kWheelZoom = 1.25;
const QColor kLabelColour(60, 60, 60);

QImage chartImage(const TimelineChart& chart) {
    return QImage(reinterpret_cast<const uchar*>(chart.pixels()), chart.width(), chart.height(),
                  chart.width() * 4, QImage::Format_RGB32);
}

}  // namespace

TimelineWidget::TimelineWidget(const RunTimeline& timeline, QWidget* parent)
    : QWidget(parent), timeline_(timeline), viewer_(timeline) {
    setMinimumHeight(plotHeight() + axisHeight());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::ClickFocus);
}

QSize TimelineWidget::sizeHint() const { return {700, plotHeight() + axisHeight()}; }

double TimelineWidget::rowScale() const {
    return std::max(1.0, QFontInfo(font()).pixelSize() / static_cast<double>(kRowPitch));
}

int TimelineWidget::rowAt(int row) const { return static_cast<int>(std::lround(row * rowScale())); }

int TimelineWidget::axisHeight() const { return fontMetrics().height() + 4; }

int TimelineWidget::labelWidth() const {
    // The longest row name, and room for the heading scale's numbers.
    const QFontMetrics m = fontMetrics();
    int widest = m.horizontalAdvance(QStringLiteral("−1440°"));
    for (const TimelineRowName& name : timelineRowNames())
        widest = std::max(widest, m.horizontalAdvance(qs(name.text)));
    return widest + 8;
}

int TimelineWidget::plotWidth() const { return std::max(0, width() - labelWidth()); }

int TimelineWidget::columnAt(int x) const {
    const int column = x - labelWidth();
    return column >= 0 && column < chart().width() ? column : -1;
}

void TimelineWidget::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() != QEvent::FontChange) return;
    setMinimumHeight(plotHeight() + axisHeight());
    updateGeometry();
    timelineChanged();
}

void TimelineWidget::timelineChanged() {
    viewer_.setWidth(plotWidth());
    viewer_.timelineChanged();
    repaintChart();
}

void TimelineWidget::setHeadingWrapped(bool wrapped) {
    viewer_.setHeadingWrapped(wrapped);
    repaintChart();
}

void TimelineWidget::markStep(std::size_t index) {
    if (viewer_.markStep(index)) repaintChart();
}

void TimelineWidget::fitAll() {
    viewer_.setWidth(plotWidth());
    viewer_.fitAll();
    repaintChart();
}

void TimelineWidget::resetView() { fitAll(); }

void TimelineWidget::zoom(double factor, int column) {
    viewer_.setWidth(plotWidth());
    viewer_.zoom(factor, column);
    repaintChart();
}

void TimelineWidget::pan(int columns) {
    viewer_.setWidth(plotWidth());
    viewer_.pan(columns);
    repaintChart();
}

void TimelineWidget::repaintChart() {
    // The labels' width may have changed with the language.
    viewer_.setWidth(plotWidth());
    viewer_.paint();
    update();
}

QString TimelineWidget::tooltipAt(int column) const {
    if (column < 0 || column >= chart().width()) return {};
    const auto [a, b] = chart().range(column);
    if (a == b) return {};
    static const std::vector<std::string> none;
    return qs(columnTooltip(timeline_, a, b, chart().column(column), rules ? rules() : none));
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
    const int left = labelWidth();
    if (vector) {
        p.save();
        p.translate(left, 0);
        p.scale(1.0, rowScale());
        for (const ChartRect& r : chartRectangles(chart()))
            p.fillRect(QRect(r.x, r.y, r.width, r.height), QColor::fromRgb(r.colour));
        p.restore();
    } else if (chart().width() > 0) {
        // Each chart row a band of whole widget rows, unblurred.
        p.drawImage(QRect(left, 0, chart().width(), plotHeight()), chartImage(chart()));
    }
    drawLabels(p);
}

void TimelineWidget::drawLabels(QPainter& p) const {
    p.setFont(font());
    p.setPen(kLabelColour);
    const int left = labelWidth(), textRight = left - 4;
    const auto label = [&](int top, int height, const QString& text) {
        p.drawText(QRect(0, rowAt(top), textRight, rowAt(top + height) - rowAt(top)),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    };
    for (const TimelineRowName& name : timelineRowNames()) label(name.top, name.height, qs(name.text));

    if (timeline_.headingKnown())
        drawHeadingScale(p, textRight);
    else
        p.drawText(QRect(left + 4, rowAt(kHeadingTop), std::max(chart().width() - 4, 0),
                         rowAt(kHeight) - rowAt(kHeadingTop)),
                   Qt::AlignLeft | Qt::AlignVCenter, qs(say(TimelineTexts::headingUnknown)));
    drawStepAxis(p, textRight);
}

void TimelineWidget::drawHeadingScale(QPainter& p, int textRight) const {
    // Its ends, each written inside the heading's rows, and its middle.
    const int left = labelWidth();
    const TimelineChart& plot = chart();
    const double low = plot.headingLow(), high = plot.headingHigh();
    for (const double h : {high, (low + high) / 2.0, low}) {
        const int y = rowAt(plot.headingRow(h));
        p.drawLine(left - 3, y, left - 1, y);
    }
    const int line = fontMetrics().height();
    const int highRow = rowAt(plot.headingRow(high)), lowRow = rowAt(plot.headingRow(low) + 1);
    p.drawText(QRect(0, highRow, textRight, line), Qt::AlignRight | Qt::AlignTop,
               QStringLiteral("%1°").arg(high));
    p.drawText(QRect(0, lowRow - line, textRight, line), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("%1°").arg(low));
}

void TimelineWidget::drawStepAxis(QPainter& p, int textRight) const {
    // The first, middle and last column's first step.
    const TimelineChart& plot = chart();
    const int left = labelWidth(), w = plot.width();
    const int plotBottom = plotHeight(), axisTop = plotBottom + 2, textHeight = axisHeight() - 2;
    for (const int column : {0, w / 2, w - 1}) {
        if (column < 0 || column >= w) continue;
        const auto [a, b] = plot.range(column);
        if (a == b) continue;
        const int x = left + column;
        p.drawLine(x, plotBottom, x, axisTop);
        const QString text = QString::number(timeline_.firstStep() + a);
        const int tw = p.fontMetrics().horizontalAdvance(text);
        const int at = std::clamp(x - tw / 2, left, left + w - tw);
        p.drawText(QRect(at, axisTop, tw + 1, textHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    p.drawText(QRect(0, axisTop, textRight, textHeight), Qt::AlignRight | Qt::AlignVCenter,
               qs(say(TimelineTexts::step)));
}

void TimelineWidget::resizeEvent(QResizeEvent*) { timelineChanged(); }

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
    const std::optional<std::uint64_t> step = viewer_.stepAt(column);
    if (!step) return;
    if (stepClicked)
        stepClicked(*step);
    else
        QToolTip::showText(e->globalPosition().toPoint(), tooltipAt(column), this);
}

}  // namespace vemrik
