#include "ui/qt/form_zoom.h"

#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QVariant>

#include "ui/qt/image_view.h"

namespace vemrik {

namespace {

// Where each widget is at ×1, kept on it the first time the form is zoomed.
constexpr const char* kBaseGeometry = "vemrikBaseGeometry";
constexpr const char* kBaseFont = "vemrikBaseFont";

QFont zoomedFont(QFont font, Zoom z) {
    if (z == Zoom{}) return font;  // exactly as it was, what it inherits too
    if (font.pixelSize() > 0)
        font.setPixelSize(zoomedLength(font.pixelSize(), z));
    else
        font.setPointSizeF(font.pointSizeF() * z.num / z.den);
    return font;
}

QFont baseFont(QObject* holder, const QFont& now) {
    if (!holder->property(kBaseFont).isValid()) holder->setProperty(kBaseFont, now);
    return holder->property(kBaseFont).value<QFont>();
}

QRect baseGeometry(QWidget* w) {
    if (!w->property(kBaseGeometry).isValid()) w->setProperty(kBaseGeometry, w->geometry());
    return w->property(kBaseGeometry).toRect();
}

QRect zoomed(QRect r, Zoom z) {
    const int left = zoomedPosition(r.left(), z), top = zoomedPosition(r.top(), z);
    return {left, top, zoomedPosition(r.left() + r.width(), z) - left,
            zoomedPosition(r.top() + r.height(), z) - top};
}

void zoomControl(QWidget* control, Zoom zoom) {
    const QRect base = baseGeometry(control);
    if (auto* image = dynamic_cast<ImageView*>(control)) {
        image->setZoom(zoom);
        image->move(zoomed(base, zoom).topLeft());
        return;
    }
    auto* label = qobject_cast<QLabel*>(control);
    if (label && !label->wordWrap()) {  // sized to its text, as the form sizes it
        label->move(zoomed(base, zoom).topLeft());
        // At ×1 as large as the layout made it, which may be more than its text needs.
        if (zoom == Zoom{})
            label->resize(base.size().expandedTo(label->sizeHint()));
        else
            label->adjustSize();
        return;
    }
    control->setGeometry(zoomed(base, zoom));
}

}  // namespace

void zoomTexts(QWidget* window, Zoom zoom) {
    // The dialogs and menus are windows of their own, which take the application's font.
    QApplication::setFont(zoomedFont(baseFont(qApp, QApplication::font()), zoom));
    window->setFont(zoomedFont(baseFont(window, window->font()), zoom));
}

void zoomForm(QWidget* form, Zoom zoom) {
    form->setFixedSize(zoomed(QRect(QPoint(0, 0), baseGeometry(form).size()), zoom).size());
    auto* notebook = form->findChild<QTabWidget*>(QString(), Qt::FindDirectChildrenOnly);
    if (!notebook) return;
    notebook->setGeometry(zoomed(baseGeometry(notebook), zoom));
    for (int i = 0; i < notebook->count(); ++i)
        for (QWidget* control :
             notebook->widget(i)->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            zoomControl(control, zoom);
}

}  // namespace vemrik
