#include "ui/qt/heading_marks.h"

#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QTabWidget>

#include "ui/control_texts.h"
#include "ui/layout.h"
#include "ui/qt/caption_fit.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

const QColor kStrongArrow(20, 60, 200);
const QColor kPaleArrow(170, 170, 170);

// The note's lines beside a large arrow up.
QString frontText(const std::string& lines) {
    return QStringLiteral("<table><tr><td style=\"font-size:22px\">↑&nbsp;</td><td valign=\"middle\">") +
           qs(lines).replace(u'\n', QStringLiteral("<br>")) + QStringLiteral("</td></tr></table>");
}

}  // namespace

QPixmap headingArrow(int degrees, bool strong, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = size / 2.0 - 1.5;
    p.translate(size / 2.0, size / 2.0);
    p.setPen(QPen(QColor(200, 200, 200), 1.0));
    p.drawEllipse(QPointF(0, 0), r, r);
    // Screen y points down, so a positive rotation turns clockwise, as the heading does.
    p.rotate(degrees);
    const QColor colour = strong ? kStrongArrow : kPaleArrow;
    p.setPen(QPen(colour, size / 14.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, r * 0.6), QPointF(0, -r * 0.35));
    QPainterPath head;
    head.moveTo(0, -r * 0.9);
    head.lineTo(r * 0.35, -r * 0.3);
    head.lineTo(-r * 0.35, -r * 0.3);
    head.closeSubpath();
    p.fillPath(head, colour);
    return pixmap;
}

HeadingMarks::HeadingMarks(MainWindow& window) : window_(window) {
    build();
    afterHandleKey_ = window_.addAfterHandle([this] { refresh(); },
                                             [this] {
                                                 shown_ = false;
                                                 sayFront();
                                             });
    refresh();
}

HeadingMarks::~HeadingMarks() { window_.removeAfterHandle(afterHandleKey_); }

void HeadingMarks::build() {
    front_ = window_.control<QLabel>("robot.front");
    sayFront();
    front_->setToolTip(Vemrik::tr(ControlTexts::frontTip.pl.data()));
    caption_ = window_.control<QLabel>("sim.headingText");
    value_ = window_.control<QLabel>("sim.headingValue");
    value_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* name = window_.control<QLabel>("sim.headingName");
    name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    name->setBuddy(window_.control("sim.heading"));
    keepWithinWidth(name);
    arrow_ = window_.control<QLabel>("sim.headingArrow");
    const QString tip = Vemrik::tr(ControlTexts::startHeadingTip.pl.data());
    caption_->setToolTip(tip);
    arrow_->setToolTip(tip);
}

void HeadingMarks::sayFront() {
    const ControlSpec& note = *findControl("robot.front");
    front_->setText(frontText(say(note.caption)));
    // Longer words in another language widen it into the free room on its right; Polish fits.
    front_->resize(QSize(note.width, note.height).expandedTo(front_->sizeHint()));
}

void HeadingMarks::refresh() {
    const TForm1& form = window_.form();
    const int heading = form.TrackBar2.position;
    const bool held = form.State.ReturnToStart == 1;
    if (shown_ && heading == shownHeading_ && held == shownHeld_) return;
    caption_->setText(qs(say(ControlTexts::startHeading, {std::to_string(heading)})));
    value_->setText(qs(say(ControlTexts::headingValue, {std::to_string(heading)})));
    arrow_->setPixmap(headingArrow(heading, held, kHeadingArrowSize));
    arrow_->setAccessibleName(caption_->text());
    shownHeading_ = heading;
    shownHeld_ = held;
    shown_ = true;
}

}  // namespace vemrik
