#pragma once

#include <climits>
#include <cstdint>
#include <vector>

#include "app/stamp.h"
#include "raster/colours.h"

namespace vemrik {

/// The pixels x1 .. x2 - 1 by y1 .. y2 - 1 of an image.
struct Area {
    int x1;
    int y1;
    int x2;
    int y2;
};

/// The least area holding both; an empty area (x1 >= x2 or y1 >= y2) adds nothing.
Area enclosing(Area a, Area b);

/// Our own drawing surface: 32-bit pixels in 0x00BBGGRR, no anti-aliasing, everything clipped.
///
/// Coverage rules (see docs/raster.md):
/// - Rectangle(x1, y1, x2, y2) fills x1 .. x2-1 by y1 .. y2-1 with the brush and draws the border
///   pixels of that area with the pen colour.
/// - A pen of width 0 or 1 draws a one-pixel line from the pen position up to, not including,
///   the end point: along the major axis one pixel per step, the minor coordinate rounded to the
///   nearest integer, halves away from the start.
/// - A wider pen of width w covers pixel (px, py) when its centre (px + 0.5, py + 0.5) lies within
///   w / 2 of the segment between the points (x0, y0) and (x1, y1) (round caps).
class Raster {
public:
    Raster(int width, int height);
    /// Another raster with the same pixels: an identity of its own.
    Raster(const Raster& other);
    /// Takes over the other's identity; the other, left empty, 0 x 0, is given a new one.
    Raster(Raster&& other) noexcept;
    /// Assigning counts as a drawing: the version keeps growing, never repeats. A moved-from
    /// raster is left empty, 0 x 0.
    Raster& operator=(const Raster& other);
    Raster& operator=(Raster&& other) noexcept;

    int width() const { return width_; }
    int height() const { return height_; }

    void setBrushColour(Colour c) { brush_ = c; }
    void setPenColour(Colour c) { pen_ = c; }
    void setPenWidth(int w) { penWidth_ = w; }
    Colour brushColour() const { return brush_; }
    Colour penColour() const { return pen_; }
    int penWidth() const { return penWidth_; }
    int penX() const { return penX_; }
    int penY() const { return penY_; }

    void rectangle(int x1, int y1, int x2, int y2);
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void setPixel(int x, int y, Colour c);
    /// The pixel's colour, or kOutside for a point outside the image.
    Colour pixel(int x, int y) const;

    /// Limits every later drawing but fill and copyFrom to the area, so that part of a picture can
    /// be painted again exactly as the whole of it would be.
    void setClip(Area area) { clip_ = area; }
    void clearClip() { clip_ = kNoClip; }

    /// Fills the whole image with one colour; the floor every redraw is measured against.
    void fill(Colour c);
    /// Takes over the other image's brush, pen and pen position and its pixels inside the area
    /// (clipped); an image of another size takes all of it, size included. One drawing.
    void copyFrom(const Raster& other, Area area);
    /// Takes over all of the other image, as copyFrom with its whole area.
    void copyFrom(const Raster& other);

    /// Row-major pixels, width() * height() of them.
    const std::uint32_t* data() const { return pixels_.data(); }
    /// Grows by one at every drawing operation, so a display knows when to repaint.
    std::uint64_t version() const { return version_; }
    /// Tells this raster from every other one in the program, even one later built at the same
    /// address: with the version, it names the pixels a raster held at one moment.
    std::uint64_t identity() const { return identity_; }

private:
    /// Brush, pen and pen position of another raster, as an assignment carries them.
    void takePen(const Raster& other);
    void span(int y, int x1, int x2, Colour c);  // x1 .. x2 inclusive, clipped
    void thinLine(int x0, int y0, int x1, int y1);
    void wideLine(int x0, int y0, int x1, int y1, int w);

    static constexpr Area kNoClip{0, 0, INT_MAX, INT_MAX};
    bool clipped(int x, int y) const {
        return x < clip_.x1 || y < clip_.y1 || x >= clip_.x2 || y >= clip_.y2;
    }

    int width_;
    int height_;
    Area clip_ = kNoClip;
    std::vector<std::uint32_t> pixels_;
    Colour brush_ = kWhite;
    Colour pen_ = kBlack;
    int penWidth_ = 1;
    int penX_ = 0;
    int penY_ = 0;
    std::uint64_t version_ = 0;
    std::uint64_t identity_ = newStamp();
};

}  // namespace vemrik
