#pragma once

#include "raster/raster.h"

namespace vemrik {

class TForm1;

/// The picture of a notebook page as its images hold it: "Robot" Image1, "Mapa" Image2,
/// "Algorytm" Image3 and Image4 side by side with no gap on white, "Symulacja" Image5. An empty
/// raster for any other page.
Raster pagePicture(const TForm1& form, int page);

}  // namespace vemrik
