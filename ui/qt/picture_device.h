#pragma once

#include <QFile>
#include <QIODevice>
#include <functional>

namespace vemrik {

/// A picture file as the decoder gets it, read front to back. What the import never uses is left
/// out before any decoder sees it: a PNG passes only its header, palette, transparency and pixel
/// chunks (a compressed text chunk of a few kilobytes unpacks to megabytes, and a file may hold a
/// thousand), a JPEG drops its comments and application segments, before and between its scans,
/// except the JFIF and Adobe ones, which the decoder reads itself. Other kinds pass whole.
class PictureDevice : public QIODevice {
public:
    /// `carryOn` hears how many bytes of the file were read so far; once it answers false, the
    /// reading fails, so a cancelled decoder stops at its next read.
    PictureDevice(const QString& path, std::function<bool(qint64)> carryOn);

    bool open(OpenMode mode) override;
    void close() override;
    bool isSequential() const override { return true; }
    /// The file's own size, for telling how far the reading got.
    qint64 fileSize() const { return file_.size(); }
    /// Whether carryOn stopped the reading.
    bool cancelled() const { return cancelled_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    enum class Kind { Png, Jpeg, JpegScan, Whole };

    /// Finds the next part to pass on, skipping the left-out ones; false at the file's end.
    bool nextPart();
    bool nextPngChunk();
    bool nextJpegSegment();
    bool nextJpegScanData();
    /// Skips n bytes of the file; false if the reading was cancelled meanwhile.
    bool skip(qint64 n);

    QFile file_;
    std::function<bool(qint64)> carryOn_;
    Kind kind_ = Kind::Whole;
    /// Bytes already taken from the file that go out next (a chunk's or segment's header).
    QByteArray head_;
    /// How many bytes of the file then go out as they are.
    qint64 passing_ = 0;
    bool cancelled_ = false;
};

}  // namespace vemrik
