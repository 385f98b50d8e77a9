#include "ui/qt/track_picture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <algorithm>

#include "track_import/picture_fit.h"
#include "ui/qt/picture_device.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

bool knownFormat(const QByteArray& format) {
    return format == "png" || format == "jpeg" || format == "jpg" || format == "bmp" || format == "gif";
}

TrackPicture failure(const QString& text) { return {QImage(), text}; }

/// The most pixels of this format that decode within the limit, and never more than the most
/// pixels read at all.
qint64 maxPixels(int bitsPerPixel) {
    const qint64 fit = qint64(kMaxDecodedMb) * 1'000'000 / std::max(1, bitsPerPixel / 8);
    return std::min(kMaxPicturePixels, fit);
}

/// Scales a picture larger than the target down to it. Smooth scaling would first copy one of 16
/// bits a channel whole into another of its size; converted in place to 8 bits a channel, it is
/// never held twice.
QImage shrunk(QImage image, QSize target) {
    if (image.width() <= target.width()) return image;
    if (image.depth() > 32) image.convertTo(QImage::Format_ARGB32_Premultiplied);
    return image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

/// Transparent parts become white floor, not black line.
QImage onWhite(const QImage& image, QSize size) {
    QImage fitted(size, QImage::Format_RGB32);
    fitted.fill(Qt::white);
    QPainter painter(&fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), image);
    return fitted;
}

/// Why a picture of this size and format is too large to read, or nothing.
QString sizeError(const QString& name, QSize size, int bitsPerPixel) {
    const qint64 most = maxPixels(bitsPerPixel);
    if (!size.isValid() || qint64(size.width()) * size.height() <= most) return {};
    return Vemrik::tr("Obraz „%1” jest za duży: %2 × %3 pikseli; można wczytać najwyżej %4 mln pikseli.")
        .arg(name)
        .arg(size.width())
        .arg(size.height())
        .arg(most / 1'000'000);
}

QSize fittedTo(QSize picture, QSize map) {
    const PictureSize fitted =
        fittedPictureSize({picture.width(), picture.height()}, {map.width(), map.height()});
    return {fitted.width, fitted.height};
}

TrackPicture decode(PictureDevice& device, const QString& name, QSize map) {
    QImageReader reader(&device);
    reader.setAllocationLimit(kMaxDecodedMb);  // Qt's megabytes are a little larger
    if (!reader.canRead() || !knownFormat(reader.format()))
        return failure(Vemrik::tr("Plik „%1” nie jest obrazem PNG, JPEG, BMP ani GIF.").arg(name));
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    const int bits = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    if (const QString error = sizeError(name, size, bits); !error.isEmpty()) return failure(error);
    // A large photo is decoded straight at the map's size where the decoder can do it without
    // holding the whole picture; Qt's PNG decoder holds a 16-bit one whole and then copies it.
    const QSize fitted = size.isValid() ? fittedTo(size, map) : QSize();
    if (fitted.isValid() && !fitted.isEmpty() && fitted.width() < size.width() && bits <= 32 &&
        reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(fitted);
    QImage image = reader.read();
    if (image.isNull())
        return failure(
            Vemrik::tr("Nie można odczytać obrazu „%1”: plik jest uszkodzony albo za duży.").arg(name));
    const QSize target = fittedTo(image.size(), map);
    if (target.isEmpty()) return failure(Vemrik::tr("Obraz „%1” nie ma żadnych pikseli.").arg(name));
    return {onWhite(shrunk(std::move(image), target), target), QString()};
}

}  // namespace

TrackPicture readTrackPicture(const QString& path, const ReadProgress& progress, QSize map) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!info.isFile() || !info.isReadable())
        return failure(Vemrik::tr("Nie można odczytać pliku „%1”.").arg(name));
    const qint64 bytes = info.size();
    if (bytes == 0) return failure(Vemrik::tr("Plik „%1” jest pusty.").arg(name));
    PictureDevice device(path, [&progress, bytes](qint64 read) {
        return !progress || progress(static_cast<double>(read) / static_cast<double>(bytes));
    });
    if (!device.open(QIODevice::ReadOnly))
        return failure(Vemrik::tr("Nie można odczytać pliku „%1”.").arg(name));
    TrackPicture picture = decode(device, name, map);
    // A decoder stopped halfway says the file is damaged; it is not.
    if (device.cancelled()) return {QImage(), QString(), true};
    return picture;
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
