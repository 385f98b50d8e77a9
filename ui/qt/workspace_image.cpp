#include "ui/qt/workspace_image.h"

#include <QBuffer>

#include "ui/page_picture.h"
#include "ui/qt/qt_helpers.h"

namespace vemrik {

QImage pageImage(const TForm1& form, int page) {
    // Copied so the picture outlives the raster it was read from.
    return rasterImage(pagePicture(form, page)).copy();
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) return {};
    return bytes;
}

}  // namespace vemrik
