#include "ui/qt/keyboard_aids.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>

namespace vemrik {

namespace {

constexpr int kOutlineGap = 1;
constexpr int kOutlineWidth = 2;
const QColor kOutlineColour(230, 81, 0);

bool fromKeyboard(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

/// The style of the buttons, with the underline of their letter switched by Alt.
class UnderlineStyle : public QProxyStyle {
public:
    bool underline = false;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_UnderlineShortcut) return underline ? 1 : 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

FocusOutline::FocusOutline(QWidget* form) : QWidget(form), form_(form) {
    setObjectName("focusOutline");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    qApp->installEventFilter(this);
}

bool FocusOutline::eventFilter(QObject* watched, QEvent* event) {
    // The style and the window system's window see the same events; only widgets matter.
    if (!watched->isWidgetType()) return false;
    switch (event->type()) {
        case QEvent::FocusIn: {
            auto* widget = static_cast<QWidget*>(watched);
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (fromKeyboard(reason) && form_->isAncestorOf(widget))
                follow(widget);
            else if (widget != target_ && reason != Qt::ActiveWindowFocusReason)
                drop();
            break;
        }
        case QEvent::FocusOut: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // A menu or another window taking the keys for a while leaves the frame where it is.
            if (watched == target_ && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                drop();
            break;
        }
        case QEvent::Move:
        case QEvent::Resize:
            if (watched == target_) place();
            break;
        case QEvent::Hide:
            if (watched == target_) hide();
            break;
        case QEvent::Show:
            if (watched == target_ && target_->hasFocus()) place();
            break;
        default:
            break;
    }
    return false;
}

void FocusOutline::follow(QWidget* target) {
    target_ = target;
    place();
}

void FocusOutline::place() {
    if (!target_ || !target_->isVisible()) return hide();
    const int margin = kOutlineGap + kOutlineWidth;
    setGeometry(QRect(target_->mapTo(form_, QPoint(0, 0)), target_->size())
                    .adjusted(-margin, -margin, margin, margin));
    raise();
    show();
    update();
}

void FocusOutline::drop() {
    target_ = nullptr;
    hide();
}

void FocusOutline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(kOutlineColour, kOutlineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(kOutlineWidth / 2.0, kOutlineWidth / 2.0, -kOutlineWidth / 2.0,
                                             -kOutlineWidth / 2.0));
}

MnemonicUnderlines::MnemonicUnderlines(QWidget* form) : form_(form), style_(new UnderlineStyle) {
    style_->setParent(this);
    for (QPushButton* button : form_->findChildren<QPushButton*>()) button->setStyle(style_);
    qApp->installEventFilter(this);
}

MnemonicUnderlines::~MnemonicUnderlines() {
    // The buttons may outlive this; they go back to the application's style.
    for (QPushButton* button : form_->findChildren<QPushButton*>())
        if (button->style() == style_) button->setStyle(nullptr);
}

bool MnemonicUnderlines::shown() const { return static_cast<UnderlineStyle*>(style_)->underline; }

bool MnemonicUnderlines::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Alt) show(type == QEvent::KeyPress);
    } else if (type == QEvent::ApplicationDeactivate || type == QEvent::WindowDeactivate) {
        show(false);
    }
    return false;
}

void MnemonicUnderlines::show(bool on) {
    auto* style = static_cast<UnderlineStyle*>(style_);
    if (style->underline == on) return;
    style->underline = on;
    for (QPushButton* button : form_->findChildren<QPushButton*>()) button->update();
}

}  // namespace vemrik
