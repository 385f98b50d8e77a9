#pragma once

#include <array>
#include <utility>
#include <vector>

#include "track_import/grey_image.h"

namespace vemrik {

/// What a picture becomes: brush strokes along the middle of its dark lines, or line cells.
enum class ImportMode { Strokes, Cells };

struct ImportOptions {
    /// Brightness at or below which a pixel is dark (otsuThreshold gives the default).
    int threshold = 127;
    /// Light lines on a dark floor.
    bool invert = false;
    ImportMode mode = ImportMode::Strokes;
    /// Dark groups smaller than this many pixels are dust, not track.
    int minSpeckPixels = 30;
    /// How far, in pixels, a stroke may leave the middle of its line to save segments.
    double tolerance = 1.5;
};

/// A cell becomes a line cell when at least this many of its 100 pixels are dark: half, so a
/// line crossing a cell only at its edge does not widen the track by a whole cell.
inline constexpr int kDarkPixelsForLineCell = 50;

/// The track found in a picture: stroke entries [x0, y0, x1, y1] in the order to add them, each
/// line's segments in a row, or the [column, row] of the cells to make line cells.
struct ImportedTrack {
    std::vector<std::array<int, 4>> strokes;
    std::vector<std::pair<int, int>> lineCells;
};

/// The picture's track by the options; the picture lies on the map from its top-left corner and
/// may be of any size (what lies beyond the drawn board is left out of the cells).
ImportedTrack importTrack(const GreyImage& picture, const ImportOptions& options);

/// The strokes along the middle lines of the mask's areas.
std::vector<std::array<int, 4>> centreStrokes(Mask mask, double tolerance);

/// The drawn board's cells (columns 0 .. 69, rows 0 .. 39) with enough dark pixels.
std::vector<std::pair<int, int>> darkCells(const Mask& mask);

}  // namespace vemrik
