#include "track_import/track_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <tuple>

#include "map/map_editor.h"
#include "tests/engine_edits.h"
#include "track_import/import_apply.h"
#include "track_import/picture_fit.h"
#include "track_import/skeleton_trace.h"
#include "track_import/thinning.h"
#include "track_import/threshold.h"
#include "workspace/workspace.h"

using namespace vemrik;

namespace {

constexpr int kW = 701, kH = 401;

/// A white picture of the map's size, dark wherever `dark` says.
GreyImage picture(const std::function<bool(int, int)>& dark) {
    GreyImage g{kW, kH, std::vector<std::uint8_t>(kW * kH, 235)};
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if (dark(x, y)) g.pixels[static_cast<std::size_t>(y * kW + x)] = 30;
    return g;
}

ImportOptions options(const GreyImage& g, ImportMode mode = ImportMode::Strokes) {
    ImportOptions o;
    o.threshold = otsuThreshold(g);
    o.mode = mode;
    return o;
}

bool ring(int x, int y) {
    const double r = std::hypot(x - 350.0, y - 200.0);
    return r >= 143 && r <= 157;
}

}  // namespace

TEST(TrackImport, OtsuSplitsTheTwoBrightnessesAndInvertTakesTheOtherSide) {
    const GreyImage g = picture([](int x, int) { return x < 100; });
    const Mask plain = binarise(g, otsuThreshold(g), false), inverted = binarise(g, otsuThreshold(g), true);
    EXPECT_EQ(std::tuple(plain.at(5, 5), plain.at(500, 5), inverted.at(5, 5), inverted.at(500, 5)),
              std::tuple(true, false, false, true));
}

TEST(TrackImport, RaggedBandBecomesOneLineOfStrokesAlongItsCentreWithoutWhiskers) {
    // Rows 195 .. 206, the centre between pixel rows 200 and 201, with edges ragged by up to two
    // pixels, bumps that thinning would grow whiskers from, and a glint that would leave a loop.
    const GreyImage g = picture([](int x, int y) {
        const bool glint = x >= 300 && x < 304 && y >= 199 && y < 203;
        const bool bump = x % 37 < 3 && x > 150 && x < 550 && y >= 190 && y < 195;
        const bool band = y >= 195 - (x * 7) % 3 && y <= 206 + (x * 5) % 3 && !glint;
        return x >= 100 && x < 600 && (band || bump);
    });
    const ImportedTrack track = importTrack(g, options(g));
    ASSERT_FALSE(track.strokes.empty());
    EXPECT_LE(track.strokes.size(), 8u);
    int left = kW, right = 0;
    for (std::size_t i = 0; i < track.strokes.size(); ++i) {
        const auto& [x0, y0, x1, y1] = track.strokes[i];
        EXPECT_LE(std::max(std::abs(y0 - 200.5), std::abs(y1 - 200.5)), 2.0);
        EXPECT_TRUE(i == 0 || (track.strokes[i - 1][2] == x0 && track.strokes[i - 1][3] == y0));
        left = std::min({left, x0, x1});
        right = std::max({right, x0, x1});
    }
    // The 10-pixel brush's round ends make up what thinning takes off the band's ends.
    EXPECT_TRUE(left <= 110 && right >= 589) << left << " " << right;
}

TEST(TrackImport, LineOnePixelWideBecomesOneStrokeAlongIt) {
    // Smoothing the edges must not wear a line with no edge to smooth: each line gives up only its
    // end pixel, and an X gives its four arms meeting at the crossing (250, 200).
    using Strokes = std::vector<std::array<int, 4>>;
    const struct {
        const char* name;
        std::function<bool(int, int)> dark;
        Strokes expected;
    } lines[] = {
        {"horizontal", [](int x, int y) { return y == 200 && x >= 100 && x < 600; }, {{101, 200, 598, 200}}},
        {"X of diagonals",
         [](int x, int y) { return x >= 100 && x <= 400 && (y == x - 50 || y == 450 - x); },
         {{101, 51, 250, 200}, {250, 200, 399, 51}, {101, 349, 250, 200}, {399, 349, 250, 200}}},
    };
    for (const auto& line : lines) {
        const GreyImage g = picture(line.dark);
        EXPECT_EQ(importTrack(g, options(g)).strokes, line.expected) << line.name;
    }
}

TEST(TrackImport, RingBecomesOneClosedLoopOnItsMiddle) {
    Mask mask = binarise(picture(ring), 127, false);
    thin(mask);
    const std::vector<PixelPath> paths = tracePaths(mask);
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_TRUE(paths[0].closed);
    for (const PixelPoint p : paths[0].points) EXPECT_NEAR(std::hypot(p.x - 350.0, p.y - 200.0), 150.0, 1.5);
}

TEST(TrackImport, SpecksBelowTheSizeGiveNoStrokes) {
    // A grid of square specks side × side; 30 pixels is the smallest group kept.
    for (const auto& [side, kept] : {std::pair{5, false}, {6, true}}) {
        const GreyImage g = picture([s = side](int x, int y) { return x % 50 < s && y % 50 < s; });
        EXPECT_EQ(importTrack(g, options(g)).strokes.empty(), !kept) << side;
    }
}

TEST(TrackImport, CellModeMarksCellsAtLeastHalfDark) {
    // In cell row 2: cell 3 whole, 5 exactly half, 6 one pixel short of half (45 dark), 8 55 dark
    // joined to cell 9's 5; the undrawn last column and row stay out whatever they hold.
    const GreyImage g = picture([](int x, int y) {
        const int cx = x / 10, row = y % 10, col = x % 10;
        if (y / 10 != 2) return y >= 400;
        return cx == 3 || cx == 70 || (cx == 5 && row < 5) || (cx == 6 && row < 5 && col != 0) ||
               (cx == 8 && (row >= 5 || col == 9)) || (cx == 9 && col == 0 && row >= 5);
    });
    const ImportedTrack track = importTrack(g, options(g, ImportMode::Cells));
    const std::vector<std::pair<int, int>> expected{{3, 2}, {5, 2}, {8, 2}};
    EXPECT_EQ(track.lineCells, expected);
}

TEST(TrackImport, PictureFitsTheMapKeepingItsShapeRoundedDown) {
    const std::pair<PictureSize, PictureSize> cases[] = {
        {{100, 100}, {401, 401}},
        {{3000, 1000}, {701, 233}},
        {{2, 3000}, {0, 401}},
        {{5, -1}, {0, 0}},
    };
    for (const auto& [picture, fitted] : cases) EXPECT_EQ(fittedPictureSize(picture, {701, 401}), fitted);
}

TEST(TrackImport, AddingKeepsTheTrackAndReplacingStartsClean) {
    const auto track0 = [](ProgramState& s) {
        s.MapGrid.at(1, 1) = kStart;
        s.MapGrid.at(2, 1) = kStop;
        s.MapGrid.at(3, 1) = kLine;
        appendStroke(s.StrokeList, 0, 0, 5, 5);
    };
    const ImportedTrack track{{{10, 10, 20, 10}, {20, 10, 30, 12}}, {{1, 1}, {4, 1}}};

    Engine added, replaced;
    setTrack(added, track0);
    setTrack(replaced, track0);
    const ProgramState s = added.state();
    const ImportUndo undo = applyImport(added, track, ImportPlacement::Add);
    applyImport(replaced, track, ImportPlacement::Replace);
    const ProgramState &a = added.state(), &r = replaced.state();
    EXPECT_EQ(std::tuple(a.StrokeList.columns(), a.StrokeList.at(2, 3), a.MapGrid.at(1, 1),
                         a.MapGrid.at(2, 1), a.MapGrid.at(4, 1)),
              std::tuple(3, 12, kStart, kStop, kLine));

    EXPECT_EQ(std::tuple(r.StrokeList.columns(), r.MapGrid.at(1, 1), r.MapGrid.at(2, 1), r.MapGrid.at(3, 1)),
              std::tuple(2, kLine, kMapEmpty, kMapEmpty));

    // Taken back whole only while nothing was edited after it, even an edit undone.
    EXPECT_TRUE(importUndoable(added, undo));
    added.editTrack([](ProgramState& t) { return undoStroke(t); });
    EXPECT_FALSE(importUndoable(added, undo));
    undoImport(added, undo);
    EXPECT_TRUE(a.MapGrid == s.MapGrid && a.StrokeList == s.StrokeList);
}
