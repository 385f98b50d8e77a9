#include "ui/page_picture.h"

#include <algorithm>

#include "app/program_state.h"
#include "raster/colours.h"
#include "ui/form.h"

namespace vemrik {

namespace {

void paste(Raster& onto, const Raster& image, int left) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) onto.setPixel(left + x, y, image.pixel(x, y));
}

Raster sideBySide(const Raster& left, const Raster& right) {
    Raster both(left.width() + right.width(), std::max(left.height(), right.height()));
    both.fill(kWhite);
    paste(both, left, 0);
    paste(both, right, left.width());
    return both;
}

}  // namespace

Raster pagePicture(const TForm1& form, int page) {
    switch (page) {
        case kRobotPage:
            return form.Image1.canvas;
        case kMapPage:
            return form.Image2.canvas;
        case kAlgorithmPage:
            return sideBySide(form.Image3.canvas, form.Image4.canvas);
        case kSimulationPage:
            return form.Image5.canvas;
        default:
            return Raster(0, 0);
    }
}

}  // namespace vemrik
