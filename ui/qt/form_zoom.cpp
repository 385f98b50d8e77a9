#include "ui/qt/form_zoom.h"

#include <QLabel>
#include <QTabWidget>
#include <QVariant>

#include "ui/qt/image_view.h"

namespace vemrik {

namespace {

// Where each widget is at ×1, kept on it the first time the form is zoomed.
constexpr const char* kBaseGeometry = "vemrikBaseGeometry";
constexpr const char* kBaseFontPixels = "vemrikBaseFontPixels";

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
        label->adjustSize();
        return;
    }
    control->setGeometry(zoomed(base, zoom));
}

}  // namespace

void zoomForm(QWidget* form, Zoom zoom) {
    if (!form->property(kBaseFontPixels).isValid())
        form->setProperty(kBaseFontPixels, form->font().pixelSize());
    if (zoom == Zoom{}) {
        form->setFont(QFont());  // inherited again, exactly as before
    } else {
        QFont font = form->font();
        font.setPixelSize(zoomedLength(form->property(kBaseFontPixels).toInt(), zoom));
        form->setFont(font);
    }
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
