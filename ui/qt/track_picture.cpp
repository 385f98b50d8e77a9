#include "ui/qt/track_picture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace vemrik {

namespace {

// Qt's own guard on what one decode may allocate, beside the pixel count checked first.
constexpr int kAllocationLimitMb = 512;

bool knownFormat(const QByteArray& format) {
    return format == "png" || format == "jpeg" || format == "jpg" || format == "bmp" || format == "gif";
}

TrackPicture failure(const QString& text) { return {QImage(), text}; }

/// Transparent parts become white floor, not black line.
QImage onWhite(const QImage& image, QSize size) {
    QImage fitted(size, QImage::Format_RGB32);
    fitted.fill(Qt::white);
    QPainter painter(&fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), image);
    return fitted;
}

}  // namespace

TrackPicture readTrackPicture(const QString& path, QSize map) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!info.isFile() || !info.isReadable())
        return failure(QStringLiteral("Nie można odczytać pliku „%1”.").arg(name));
    if (info.size() == 0) return failure(QStringLiteral("Plik „%1” jest pusty.").arg(name));
    QImageReader reader(path);
    reader.setAllocationLimit(kAllocationLimitMb);
    if (!reader.canRead() || !knownFormat(reader.format()))
        return failure(QStringLiteral("Plik „%1” nie jest obrazem PNG, JPEG, BMP ani GIF.").arg(name));
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels)
        return failure(QStringLiteral("Obraz „%1” jest za duży: %2 × %3 pikseli; można wczytać najwyżej %4 "
                                      "milionów pikseli.")
                           .arg(name)
                           .arg(size.width())
                           .arg(size.height())
                           .arg(kMaxPicturePixels / 1'000'000));
    // A large photo is decoded straight at the map's size where the format allows it.
    const QSize fitted = size.isValid() ? size.scaled(map, Qt::KeepAspectRatio) : QSize();
    if (fitted.isValid() && !fitted.isEmpty() && fitted.width() < size.width()) reader.setScaledSize(fitted);
    const QImage image = reader.read();
    if (image.isNull())
        return failure(
            QStringLiteral("Nie można odczytać obrazu „%1”: plik jest uszkodzony albo za duży.").arg(name));
    const QSize target = image.size().scaled(map, Qt::KeepAspectRatio);
    if (target.isEmpty()) return failure(QStringLiteral("Obraz „%1” nie ma żadnych pikseli.").arg(name));
    return {onWhite(image, target), QString()};
}

GreyImage greyImage(const QImage& fitted) {
    const QImage grey = fitted.convertToFormat(QImage::Format_Grayscale8);
    GreyImage out{grey.width(), grey.height(), {}};
    out.pixels.reserve(static_cast<std::size_t>(grey.width()) * static_cast<std::size_t>(grey.height()));
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        out.pixels.insert(out.pixels.end(), row, row + grey.width());
    }
    return out;
}

}  // namespace vemrik
