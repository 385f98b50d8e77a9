#include "ui/qt/heading_marks.h"

#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QTabWidget>

#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

// Right of the robot board, under the tool buttons.
const QRect kFrontGeometry(224, 112, 160, 40);
// In the column of the run buttons, under the step slider.
const QRect kCaptionGeometry(704, 238, 84, 28);
const QRect kArrowGeometry(704, 268, 78, 48);
constexpr int kArrowSize = 44;

const QColor kStrongArrow(20, 60, 200);
const QColor kPaleArrow(170, 170, 170);

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
                                                 fitFront();
                                             });
    refresh();
}

HeadingMarks::~HeadingMarks() { window_.removeAfterHandle(afterHandleKey_); }

void HeadingMarks::build() {
    QWidget* robotPage = window_.notebook()->widget(kRobotPage);
    front_ =
        new QLabel(Vemrik::tr("<table><tr><td style=\"font-size:22px\">↑&nbsp;</td>"
                              "<td valign=\"middle\">przód robota<br>jest u góry planszy</td></tr></table>"),
                   robotPage);
    front_->setObjectName("LabelFront");
    front_->move(kFrontGeometry.topLeft());
    fitFront();
    front_->setToolTip(
        Vemrik::tr("Robot jedzie w stronę górnego brzegu planszy. Na mapie kierunek 0° to jazda "
                   "do góry, 90° w prawo, -90° w lewo."));

    QWidget* page = window_.notebook()->widget(kSimulationPage);
    caption_ = new QLabel(page);
    caption_->setObjectName("LabelStartHeading");
    caption_->setGeometry(kCaptionGeometry);
    caption_->setWordWrap(true);
    arrow_ = new QLabel(page);
    arrow_->setObjectName("LabelStartArrow");
    arrow_->setGeometry(kArrowGeometry);
    arrow_->setAlignment(Qt::AlignCenter);
    const QString tip = Vemrik::tr("Kierunek, w którym „Start” puści robota (suwak nad „Start”)");
    caption_->setToolTip(tip);
    arrow_->setToolTip(tip);
}

void HeadingMarks::fitFront() {
    // Longer words in another language widen it into the free room on its right; Polish fits.
    front_->resize(kFrontGeometry.size().expandedTo(front_->sizeHint()));
}

void HeadingMarks::refresh() {
    const TForm1& form = window_.form();
    const int heading = form.TrackBar2.position;
    const bool held = form.State.ReturnToStart == 1;
    if (shown_ && heading == shownHeading_ && held == shownHeld_) return;
    caption_->setText(Vemrik::tr("kierunek startu: %1°").arg(heading));
    arrow_->setPixmap(headingArrow(heading, held, kArrowSize));
    arrow_->setAccessibleName(caption_->text());
    shownHeading_ = heading;
    shownHeld_ = held;
    shown_ = true;
}

}  // namespace vemrik
