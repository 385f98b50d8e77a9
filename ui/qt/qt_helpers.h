#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <string_view>

#include "raster/raster.h"

namespace vemrik {

/// A text of the core, which is UTF-8, for Qt.
inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

/// The raster's pixels seen as a QImage, without a copy: valid while the raster is unchanged.
/// 0x00BBGGRR in memory is R, G, B, X, which is exactly RGBX8888.
inline QImage rasterImage(const Raster& raster) {
    return QImage(reinterpret_cast<const uchar*>(raster.data()), raster.width(), raster.height(),
                  raster.width() * 4, QImage::Format_RGBX8888);
}

/// What the user picks in a save dialog: the path, empty when cancelled, and the place of the file
/// filter chosen among those of `filter`, which are separated by ";;".
struct SaveChoice {
    QString path;
    int filter = 0;
};
SaveChoice saveChoiceFromDialog(QWidget* parent, const QString& title, const QString& suggested,
                                const QString& filter, const QString& suffix);

/// The path the user picks in a save dialog, the suffix added when none is typed; empty when
/// cancelled.
QString savePathFromDialog(QWidget* parent, const QString& title, const QString& suggested,
                           const QString& filter, const QString& suffix);

}  // namespace vemrik
