#pragma once

#include <QByteArray>
#include <QImage>

#include "ui/form.h"

namespace vemrik {

/// The picture of a notebook page as its images hold it: "Robot" Image1, "Mapa" Image2,
/// "Algorytm" Image3 and Image4 side by side with no gap, "Symulacja" Image5. A null image for
/// any other page.
QImage pageImage(const TForm1& form, int page);

/// The image as PNG bytes; empty if it cannot be encoded.
QByteArray pngBytes(const QImage& image);

}  // namespace vemrik
