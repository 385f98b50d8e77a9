#include "ui/qt/notice_overlay.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/qt/image_view.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/simulation_notice.h"

namespace vemrik {

namespace {

constexpr int kEdgeMarkSize = 22;
// The finish's letters at ×1, in image pixels: readable across a classroom from a projector.
constexpr int kLargePixels = 44;

// A triangle at the map's edge, its tip towards the robot beyond it.
class EdgeArrow : public QWidget {
public:
    EdgeArrow(QWidget* parent) : QWidget(parent) {
        setObjectName("noticeEdgeMark");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(kEdgeMarkSize, kEdgeMarkSize);
    }
    float dx = 0.0f, dy = 0.0f;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(width() / 2.0, height() / 2.0);
        const QPointF along(dx, dy), across(-dy, dx);
        const double r = kEdgeMarkSize / 2.0 - 1.0;
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(QColor(200, 30, 30));
        p.drawPolygon(QPolygonF{along * r, -along * r + across * r * 0.8, -along * r - across * r * 0.8});
    }
};

QString keyOf(const SimulationNotice& n) {
    QString key = QString::number(static_cast<int>(n.kind));
    for (const NoticeText& line : n.lines) key += '\n' + qs(line.spoken());
    for (const NoticeButton& b : n.buttons) key += '\n' + qs(say(b.caption));
    return key;
}

}  // namespace

NoticeOverlay::NoticeOverlay(MainWindow& window) : window_(window) {
    view_ = window_.control<ImageView>("sim.view");
    if (!view_) return;
    view_->installEventFilter(this);
    edge_ = new EdgeArrow(view_);
    edge_->hide();
    afterHandleKey_ = window_.addAfterHandle([this] { refresh(); }, [this] { shown_.clear(); });
    refresh();
}

NoticeOverlay::~NoticeOverlay() {
    if (afterHandleKey_ >= 0) window_.removeAfterHandle(afterHandleKey_);
}

bool NoticeOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::Resize) {
        // The zoom changed: the same notice, larger.
        shown_.clear();
        refresh();
    }
    return false;
}

void NoticeOverlay::refresh() {
    const SimulationNotice notice = simulationNotice(window_.form());
    const QString key = keyOf(notice);
    if (key != shown_) {
        build(notice);
        shown_ = key;
    }
    auto* arrow = static_cast<EdgeArrow*>(edge_);
    arrow->setVisible(notice.edge.has_value());
    if (!notice.edge) return;
    const double scale = static_cast<double>(view_->width()) / window_.form().Image5.canvas.width();
    arrow->dx = notice.edge->dx;
    arrow->dy = notice.edge->dy;
    const QPoint at(static_cast<int>(notice.edge->x * scale), static_cast<int>(notice.edge->y * scale));
    const QPoint corner = at - QPoint(kEdgeMarkSize / 2, kEdgeMarkSize / 2);
    arrow->move(std::clamp(corner.x(), 0, view_->width() - kEdgeMarkSize),
                std::clamp(corner.y(), 0, view_->height() - kEdgeMarkSize));
    arrow->update();
    arrow->raise();
}

void NoticeOverlay::build(const SimulationNotice& notice) {
    delete box_;
    box_ = nullptr;
    if (notice.kind == NoticeKind::None) return;
    middle_ = notice.place == NoticePlace::Middle;
    large_ = notice.large;
    box_ = new QFrame(view_);
    box_->setObjectName("simulationNotice");
    box_->setAutoFillBackground(true);
    box_->setFrameShape(QFrame::StyledPanel);
    box_->setStyleSheet(
        QStringLiteral("#simulationNotice { background: #fffbe6; border: 2px solid #c8a000; }"));
    // A panel stacks its lines over its buttons; a banner has its button beside its line.
    QBoxLayout* lines = middle_ ? static_cast<QBoxLayout*>(new QVBoxLayout(box_)) : new QHBoxLayout(box_);
    const double scale = static_cast<double>(view_->width()) / window_.form().Image5.canvas.width();
    for (const NoticeText& line : notice.lines) {
        auto* label = new QLabel(qs(line.spoken()), box_);
        label->setObjectName("noticeText");
        label->setAlignment(Qt::AlignCenter);
        if (large_) {
            QFont font = label->font();
            font.setPixelSize(static_cast<int>(kLargePixels * scale));
            font.setBold(true);
            label->setFont(font);
        } else {
            label->setWordWrap(true);
        }
        lines->addWidget(label, 1);
    }
    if (!notice.buttons.empty()) {
        auto* row = new QHBoxLayout;
        for (const NoticeButton& b : notice.buttons) {
            auto* button = new QPushButton(qs(say(b.caption)), box_);
            button->setFocusPolicy(Qt::TabFocus);
            connect(button, &QPushButton::clicked, this, [this, id = qs(b.id)] { press(id); });
            row->addWidget(button);
        }
        lines->addLayout(row);
    }
    // Wide enough for a line of the banner, narrower than the image.
    box_->setMaximumWidth(view_->width() * 9 / 10);
    box_->setMinimumWidth(large_ ? 0 : view_->width() / 2);
    box_->adjustSize();
    box_->resize(box_->width(), box_->heightForWidth(box_->width()) > 0 ? box_->heightForWidth(box_->width())
                                                                        : box_->height());
    place();
    box_->show();
}

void NoticeOverlay::place() {
    if (!box_) return;
    const int x = (view_->width() - box_->width()) / 2;
    const int y = middle_ ? (view_->height() - box_->height()) / 2 : 8;
    box_->move(x, y);
}

void NoticeOverlay::press(const QString& id) {
    const std::string name = id.toStdString();
    if (name == "file.examples") {
        // The examples are listed easiest first.
        for (QAction* a : window_.commandMenu("file.examples")->actions())
            if (!a->isSeparator()) return a->trigger();
        return;
    }
    if (name == kRobotPageButton) return window_.notebook()->setCurrentIndex(kRobotPage);
    if (QAction* action = window_.commandAction(name)) return action->trigger();
    if (auto* button = qobject_cast<QAbstractButton*>(window_.control(name))) button->click();
}

}  // namespace vemrik
