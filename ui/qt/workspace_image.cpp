#include "ui/qt/workspace_image.h"

#include <QBuffer>
#include <QPainter>

#include "app/program_state.h"
#include "ui/qt/qt_helpers.h"

namespace vemrik {

namespace {

// Copied so the picture outlives the next redraw.
QImage imageOf(const Raster& raster) { return rasterImage(raster).copy(); }

QImage sideBySide(const QImage& left, const QImage& right) {
    QImage both(left.width() + right.width(), std::max(left.height(), right.height()), QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, left);
    painter.drawImage(left.width(), 0, right);
    return both;
}

}  // namespace

QImage pageImage(const TForm1& form, int page) {
    switch (page) {
        case kRobotPage:
            return imageOf(form.Image1.canvas);
        case kMapPage:
            return imageOf(form.Image2.canvas);
        case kAlgorithmPage:
            return sideBySide(imageOf(form.Image3.canvas), imageOf(form.Image4.canvas));
        case kSimulationPage:
            return imageOf(form.Image5.canvas);
        default:
            return {};
    }
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) return {};
    return bytes;
}

}  // namespace vemrik
