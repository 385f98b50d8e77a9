#include <gtest/gtest.h>

#include "ui/form.h"

using namespace vemrik;

namespace {

/// Pixels of the map image that differ from the empty map: white with a black dot at every
/// multiple of 10.
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

TEST(MapView, EmptyMapIsWhiteWithADotOnEveryCellCorner) {
    TForm1 form;
    form.Image2.canvas.fill(kRed);
    form.BitBtn3Click();
    EXPECT_EQ(changedFromEmpty(form.Image2.canvas), 0);
    EXPECT_EQ(form.Image2.canvas.pixel(700, 400), kBlack);
}

TEST(MapView, LastColumnAndRowAreNeverDrawn) {
    TForm1 form;
    press(form, &TForm1::Button5Click, 700, 400);
    press(form, &TForm1::Button8Click, 700, 55);
    press(form, &TForm1::Button9Click, 55, 400);
    EXPECT_EQ(form.State.MapGrid.at(70, 40), kLine);
    EXPECT_EQ(form.State.MapGrid.at(70, 5), kStart);
    EXPECT_EQ(form.State.MapGrid.at(5, 40), kStop);
    form.BitBtn3Click();
    EXPECT_EQ(changedFromEmpty(form.Image2.canvas), 0);
}

TEST(MapView, CellsArePaintedOverStrokesWhichCoverTheDots) {
    TForm1 form;
    press(form, &TForm1::Button8Click, 125, 105);
    press(form, &TForm1::Button9Click, 145, 105);
    press(form, &TForm1::Button5Click, 165, 105);
    form.Button7Click();
    form.Image2MouseDown(100, 105);
    form.Image2MouseMove(200, 105);
    form.Image2MouseUp(200, 105);
    const Raster& r = form.Image2.canvas;
    EXPECT_EQ(r.pixel(125, 105), kGrey);  // painted at once, on top, until the next redraw
    form.BitBtn3Click();
    EXPECT_EQ(r.pixel(120, 100), kBlue);
    EXPECT_EQ(r.pixel(129, 109), kBlue);
    EXPECT_EQ(r.pixel(145, 105), kRed);
    EXPECT_EQ(r.pixel(165, 105), kGrey);
    EXPECT_EQ(r.pixel(135, 100), kGrey);  // a 10-pixel stroke at y = 105 covers rows 100 .. 109
    EXPECT_EQ(r.pixel(180, 100), kGrey);  // and the dot there
    EXPECT_EQ(r.pixel(135, 109), kGrey);
    EXPECT_EQ(r.pixel(135, 99), kWhite);
    EXPECT_EQ(r.pixel(180, 110), kBlack);
    EXPECT_EQ(r.penWidth(), 0);
}

TEST(MapView, RemovedSegmentsDisappearAtTheNextRedraw) {
    TForm1 form;
    form.Button7Click();
    form.Image2MouseDown(100, 105);
    form.Image2MouseMove(200, 105);
    form.Image2MouseMove(200, 205);
    form.Button10Click();
    form.BitBtn3Click();
    EXPECT_EQ(form.Image2.canvas.pixel(150, 105), kGrey);
    EXPECT_EQ(form.Image2.canvas.pixel(201, 150), kWhite);
    form.Button11Click();
    form.BitBtn3Click();
    EXPECT_EQ(changedFromEmpty(form.Image2.canvas), 0);
}
