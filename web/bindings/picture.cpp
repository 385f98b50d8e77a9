#include "web/bindings/picture.h"

#include "track_import/import_apply.h"
#include "track_import/threshold.h"
#include "track_import/track_import.h"

namespace vemrik::web {

void toRGBA(const Raster& canvas, std::uint8_t* out) {
    const std::uint32_t* p = canvas.data();
    const std::size_t n =
        static_cast<std::size_t>(canvas.width()) * static_cast<std::size_t>(canvas.height());
    for (std::size_t i = 0; i < n; ++i) {
        // 0x00BBGGRR
        out[4 * i] = static_cast<std::uint8_t>(p[i]);
        out[4 * i + 1] = static_cast<std::uint8_t>(p[i] >> 8);
        out[4 * i + 2] = static_cast<std::uint8_t>(p[i] >> 16);
        out[4 * i + 3] = 255;
    }
}

std::optional<GreyImage> greyPicture(const std::vector<std::uint8_t>& rgba, int width, int height,
                                     std::string& error) {
    if (width < 1 || height < 1) {
        error = "Obraz nie ma żadnych pikseli.";
        return std::nullopt;
    }
    if (width > kPictureWidth || height > kPictureHeight) {
        error = "Obraz jest większy niż mapa (" + std::to_string(kPictureWidth) + " × " +
                std::to_string(kPictureHeight) + ").";
        return std::nullopt;
    }
    const std::size_t n = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (rgba.size() != n * 4) {
        error = "Obraz ma inną liczbę pikseli niż jego wymiary.";
        return std::nullopt;
    }
    GreyImage grey{width, height, std::vector<std::uint8_t>(n)};
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned a = rgba[4 * i + 3];
        // Over white, then weighed as the eye sees: green most, blue least.
        const auto over = [&](unsigned c) { return (c * a + 255 * (255 - a) + 127) / 255; };
        const unsigned r = over(rgba[4 * i]), g = over(rgba[4 * i + 1]), b = over(rgba[4 * i + 2]);
        grey.pixels[i] = static_cast<std::uint8_t>((r * 11 + g * 16 + b * 5) / 32);
    }
    return grey;
}

void importTrackPicture(TForm1& form, const GreyImage& picture) {
    ImportOptions options;
    options.threshold = otsuThreshold(picture);
    form.ImportTrack(importTrack(picture, options), ImportPlacement::Replace);
}

}  // namespace vemrik::web
