#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

#include "track_import/grey_image.h"

namespace vemrik {

/// The largest picture read, in pixels: a 48-megapixel photo still opens, a picture that would
/// take gigabytes to decode is refused before any decoding.
inline constexpr qint64 kMaxPicturePixels = 64'000'000;

/// The most the decoded pixels of a picture may take, in MB: 64 megapixels of four bytes, or half
/// as many of eight (16 bits a channel). Fitting it to the map never holds it twice.
inline constexpr int kMaxDecodedMb = 256;

/// A picture fitted to the map, or why there is none.
struct TrackPicture {
    /// Fitted within the map keeping its proportions, on white where it was transparent.
    QImage image;
    /// Empty on success; otherwise, in Polish, what is wrong with the file.
    QString error;
    /// The reading was stopped before the end: no picture and no error.
    bool cancelled = false;
};

/// Tells how far the reading got, from 0 to 1; false stops it.
using ReadProgress = std::function<bool(double done)>;

/// Reads a PNG, JPEG, BMP or GIF file and fits it to the map (701 × 401). An empty file, another
/// kind of file, a damaged one or one too large gives an error and no picture. Texts and other
/// data in the file beside the pixels are never read (see PictureDevice).
TrackPicture readTrackPicture(const QString& path, const ReadProgress& progress = {},
                              QSize map = QSize(701, 401));

/// The fitted picture's brightness, one byte per pixel, for the import.
GreyImage greyImage(const QImage& fitted);

}  // namespace vemrik
