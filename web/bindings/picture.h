#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "raster/raster.h"
#include "track_import/grey_image.h"
#include "ui/form.h"

namespace vemrik::web {

/// The largest picture the import takes: the map's image. The page fits a larger one first, as the
/// window's reader does.
inline constexpr int kPictureWidth = 701;
inline constexpr int kPictureHeight = 401;

/// The canvas as RGBA bytes, alpha 255, into `out` (width × height × 4 of them).
void toRGBA(const Raster& canvas, std::uint8_t* out);

/// The brightness of a decoded RGBA picture, transparent parts as white floor; nothing, with the
/// reason in `error`, when the bytes do not make a picture of that size.
std::optional<GreyImage> greyPicture(const std::vector<std::uint8_t>& rgba, int width, int height,
                                     std::string& error);

/// "Importuj trasę z obrazu…" with the dialog's defaults: the threshold found for the picture,
/// dark lines, strokes, the track replaced.
void importTrackPicture(TForm1& form, const GreyImage& picture);

}  // namespace vemrik::web
