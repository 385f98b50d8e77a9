#include <gtest/gtest.h>

#include "tests/page_checks.h"
#include "ui/form.h"

using namespace vemrik;
using checks::expectPixels;

namespace {

/// Pixels that differ from the empty map: white with a black dot at every multiple of 10.
int changedFromEmpty(const Raster& r) {
    int n = 0;
    for (int y = 0; y < 401; ++y)
        for (int x = 0; x < 701; ++x) n += r.pixel(x, y) != ((x % 10 == 0 && y % 10 == 0) ? kBlack : kWhite);
    return n;
}

void press(TForm1& f, void (TForm1::*tool)(), int x, int y) {
    (f.*tool)();
    f.Image2MouseDown(x, y);
    f.Image2MouseUp(x, y);
}

}  // namespace

TEST(MapView, RepaintsInFullAndNeverDrawsTheLastColumnAndRow) {
    TForm1 form;
    press(form, &TForm1::Button5Click, 700, 400);
    press(form, &TForm1::Button8Click, 700, 55);
    press(form, &TForm1::Button9Click, 55, 400);
    form.Image2.canvas.fill(kRed);
    form.BitBtn3Click();
    EXPECT_EQ(changedFromEmpty(form.Image2.canvas), 0);
}

TEST(MapView, CellsArePaintedOverStrokesAndRemovedStrokesGoAtTheNextRedraw) {
    TForm1 form;
    press(form, &TForm1::Button8Click, 125, 105);
    press(form, &TForm1::Button9Click, 145, 105);
    press(form, &TForm1::Button5Click, 165, 105);
    form.Button7Click();
    form.Image2MouseDown(100, 105);
    form.Image2MouseMove(200, 105);
    const Raster& r = form.Image2.canvas;
    EXPECT_EQ(r.pixel(125, 105), kGrey);  // painted at once, on top, until the next redraw
    form.Image2MouseMove(200, 205);
    form.Button10Click();
    form.BitBtn3Click();
    // A 10-pixel stroke at y = 105 covers rows 100 .. 109, dots included; the cells lie on top.
    expectPixels(r, {{120, 100, kBlue},
                     {129, 109, kBlue},
                     {145, 105, kRed},
                     {165, 105, kGrey},
                     {135, 100, kGrey},
                     {180, 100, kGrey},
                     {135, 109, kGrey},
                     {135, 99, kWhite},
                     {180, 110, kBlack},
                     {201, 150, kWhite}});
    EXPECT_EQ(r.penWidth(), 0);
    form.Button11Click();
    form.BitBtn3Click();
    EXPECT_EQ(changedFromEmpty(r), 3 * 100);
}
