#include "track_import/track_import.h"

#include "app/program_state.h"
#include "track_import/prune.h"
#include "track_import/simplify.h"
#include "track_import/skeleton_trace.h"
#include "track_import/specks.h"
#include "track_import/thinning.h"
#include "track_import/threshold.h"

namespace vemrik {

ImportedTrack importTrack(const GreyImage& picture, const ImportOptions& options) {
    Mask mask = binarise(picture, options.threshold, options.invert);
    dropSpecks(mask, options.minSpeckPixels);
    ImportedTrack track;
    if (options.mode == ImportMode::Cells)
        track.lineCells = darkCells(mask);
    else
        track.strokes = centreStrokes(std::move(mask), options.tolerance);
    return track;
}

std::vector<std::array<int, 4>> centreStrokes(Mask mask, double tolerance) {
    smoothEdges(mask);
    thin(mask);
    pruneWhiskers(mask, kWhiskerPixels);
    std::vector<std::array<int, 4>> strokes;
    for (const PixelPath& path : tracePaths(mask)) {
        const std::vector<PixelPoint> points = simplifyPath(path.points, tolerance);
        // A lone dot is still a mark on the floor: the brush paints it as a round spot.
        if (points.size() == 1) strokes.push_back({points[0].x, points[0].y, points[0].x, points[0].y});
        for (std::size_t i = 1; i < points.size(); ++i)
            strokes.push_back({points[i - 1].x, points[i - 1].y, points[i].x, points[i].y});
    }
    return strokes;
}

std::vector<std::pair<int, int>> darkCells(const Mask& mask) {
    std::vector<std::pair<int, int>> cells;
    for (int cx = 0; cx < kMapColumns - 1; ++cx)
        for (int cy = 0; cy < kMapRows - 1; ++cy) {
            int dark = 0;
            for (int y = 10 * cy; y < 10 * cy + 10; ++y)
                for (int x = 10 * cx; x < 10 * cx + 10; ++x) dark += mask.at(x, y);
            if (dark >= kDarkPixelsForLineCell) cells.emplace_back(cx, cy);
        }
    return cells;
}

}  // namespace vemrik
