#include "ui/qt/picture_device.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace vemrik {

namespace {

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);
// How much of a JPEG's coded pixels is searched for the next marker at a time.
constexpr qint64 kScanBlock = 16 * 1024;

/// Header, palette, transparency, pixels and end: all a PNG needs to be seen as it looks.
bool keptPngChunk(const QByteArray& kind) {
    return kind == "IHDR" || kind == "PLTE" || kind == "tRNS" || kind == "IDAT" || kind == "IEND";
}

/// Start and end of image, restart markers and TEM stand alone, without a length.
bool standaloneJpegMarker(quint8 code) { return code == 0x01 || (code >= 0xD0 && code <= 0xD9); }

/// Comments and application segments: texts, Exif, colour profiles, previews. The JFIF (APP0)
/// and Adobe (APP14) ones stay, since they tell the decoder how the colours are coded.
bool leftOutJpegSegment(quint8 code) {
    return code == 0xFE || (code >= 0xE1 && code <= 0xEF && code != 0xEE);
}

}  // namespace

PictureDevice::PictureDevice(const QString& path, std::function<bool(qint64)> carryOn)
    : file_(path), carryOn_(std::move(carryOn)) {}

bool PictureDevice::open(OpenMode mode) {
    if (mode != ReadOnly || !file_.open(ReadOnly)) return false;
    const QByteArray start = file_.peek(kPngSignature.size());
    kind_ = Kind::Whole;
    if (start == kPngSignature) {
        kind_ = Kind::Png;
        head_ = file_.read(kPngSignature.size());
    } else if (start.startsWith("\xFF\xD8")) {
        kind_ = Kind::Jpeg;
        head_ = file_.read(2);
    }
    return QIODevice::open(mode);
}

void PictureDevice::close() {
    QIODevice::close();
    file_.close();
}

qint64 PictureDevice::readData(char* data, qint64 maxSize) {
    qint64 done = 0;
    while (done < maxSize && !cancelled_) {
        if (head_.isEmpty() && passing_ == 0 && !nextPart()) break;
        if (!head_.isEmpty()) {
            const qint64 n = std::min<qint64>(maxSize - done, head_.size());
            std::memcpy(data + done, head_.constData(), static_cast<std::size_t>(n));
            head_.remove(0, n);
            done += n;
            continue;
        }
        const qint64 got = file_.read(data + done, std::min(maxSize - done, passing_));
        if (got <= 0) {
            passing_ = 0;  // cut off early: the decoder tells that the picture is damaged
            break;
        }
        passing_ -= got;
        done += got;
    }
    if (cancelled_ || !carryOn_(file_.pos())) {
        cancelled_ = true;
        setErrorString(QStringLiteral("cancelled"));
        return -1;
    }
    return done > 0 ? done : -1;
}

bool PictureDevice::nextPart() {
    switch (kind_) {
        case Kind::Png:
            return nextPngChunk();
        case Kind::Jpeg:
            return nextJpegSegment();
        case Kind::JpegScan:
            return nextJpegScanData();
        case Kind::Whole:
            break;
    }
    passing_ = file_.size() - file_.pos();
    return passing_ > 0;
}

bool PictureDevice::nextPngChunk() {
    for (;;) {
        const QByteArray header = file_.read(8);
        if (header.size() < 8) {
            head_ = header;
            return !head_.isEmpty();
        }
        const qint64 length = qFromBigEndian<quint32>(header.constData());
        if (keptPngChunk(header.mid(4, 4))) {
            head_ = header;
            passing_ = length + 4;  // and the check sum
            return true;
        }
        if (!skip(length + 4)) return false;
    }
}

bool PictureDevice::nextJpegSegment() {
    for (;;) {
        const QByteArray marker = file_.peek(2);
        if (marker.size() < 2 || quint8(marker[0]) != 0xFF) {
            kind_ = Kind::Whole;  // not a marker where one belongs: the decoder judges the rest
            return nextPart();
        }
        const auto code = quint8(marker[1]);
        if (code == 0xFF) {
            file_.skip(1);  // a fill byte before the marker
            continue;
        }
        if (standaloneJpegMarker(code)) {
            head_ = file_.read(2);
            return true;
        }
        const QByteArray header = file_.read(4);
        if (header.size() < 4) {
            head_ = header;
            return true;
        }
        const qint64 length = qFromBigEndian<quint16>(header.constData() + 2) - 2;
        if (leftOutJpegSegment(code)) {
            if (!skip(length)) return false;
            continue;
        }
        if (code == 0xDA) kind_ = Kind::JpegScan;
        head_ = header;
        passing_ = std::max<qint64>(length, 0);
        return true;
    }
}

bool PictureDevice::nextJpegScanData() {
    // Coded pixels run up to the next marker: 0xFF before anything but a stuffed zero, a restart
    // marker or another 0xFF (fill).
    const QByteArray block = file_.peek(kScanBlock);
    if (block.isEmpty()) return false;
    for (qsizetype i = 0; i + 1 < block.size(); ++i) {
        const auto next = quint8(block[i + 1]);
        if (quint8(block[i]) == 0xFF && next != 0x00 && next != 0xFF && (next < 0xD0 || next > 0xD7)) {
            kind_ = Kind::Jpeg;
            passing_ = i;
            return passing_ > 0 || nextPart();
        }
    }
    // A last 0xFF waits for the byte after it, unless the file ends there.
    const bool pairCut = block.size() > 1 && quint8(block.back()) == 0xFF;
    passing_ = block.size() - (pairCut ? 1 : 0);
    return true;
}

bool PictureDevice::skip(qint64 n) {
    file_.skip(n);
    cancelled_ = cancelled_ || !carryOn_(file_.pos());
    return !cancelled_;
}

}  // namespace vemrik
