// A kept track layer is painted again only where an edit changed it; after every edit it must
// equal a repaint from scratch, pixels and drawing state alike.
#include "map/track_layer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "app/program_state.h"
#include "map/map_editor.h"
#include "map/map_view.h"
#include "scenes/scenes.h"
#include "ui/form.h"
#include "ui/workspace_form.h"

using namespace vemrik;

namespace {

struct Track {
    Grid strokes;
    Grid cells;
};

/// Paints the track, as a new version, through the layer and from scratch into a copy of the
/// image as it was; true when both agree in pixels, brush, pen and pen position.
bool patchedIsFresh(TrackLayer& layer, const Track& t, Raster& image, TrackField field) {
    Raster fresh = image;
    layer.paint(t.strokes, t.cells, newStamp(), image);
    paintTrackLayer(field, t.strokes, t.cells, fresh);
    const bool same = image.brushColour() == fresh.brushColour() && image.penColour() == fresh.penColour() &&
                      image.penWidth() == fresh.penWidth();
    // A thin line from the pen position shows where each left it.
    for (Raster* r : {&image, &fresh}) r->setPenWidth(0), r->setPenColour(kGreen), r->lineTo(350, 200);
    return same && std::memcmp(image.data(), fresh.data(), 4u * 701 * 401) == 0;
}

Track scene(const Workspace& w) { return {w.strokes, w.map}; }

}  // namespace

TEST(TrackLayer, EveryEditLeavesTheLayerAsARepaintFromScratch) {
    for (const TrackField field : {TrackField::kPlain, TrackField::kDotted}) {
        TrackLayer layer(field);
        Raster image(701, 401);
        Track t = scene(typicalScene());
        ASSERT_TRUE(patchedIsFresh(layer, t, image, field));
        const std::pair<const char*, std::function<void()>> edits[] = {
            {"line in the top-left corner", [&] { t.cells.at(0, 0) = kLine; }},
            {"start in the bottom-right corner", [&] { t.cells.at(69, 39) = kStart; }},
            {"cell cleared under strokes", [&] { t.cells.at(35, 5) = kMapEmpty; }},
            {"undrawn last column", [&] { t.cells.at(70, 3) = kLine; }},
            {"stroke across cells", [&] { appendStroke(t.strokes, 5, 5, 690, 395); }},
            {"cell on that stroke", [&] { t.cells.at(34, 19) = kStop; }},
            {"stroke off the map", [&] { appendStroke(t.strokes, -400, 700, 2000000000, 900); }},
            {"stroke reaching in from far away", [&] { appendStroke(t.strokes, -2000000000, 3, 703, 398); }},
            {"single point at the edge", [&] { appendStroke(t.strokes, 700, 0, 700, 0); }},
            {"undo", [&] { t.strokes.setColumns(t.strokes.columns() - 1); }},
            {"another workspace loaded", [&] { t = scene(busyScene()); }},
            {"strokes cleared", [&] { t.strokes.setColumns(0); }},
            {"cell while there are no strokes", [&] { t.cells.at(10, 10) = kStop; }},
            {"the image's own pen, no strokes", [&] { image.setPenWidth(3), image.moveTo(7, 9); }},
            {"first stroke again", [&] { appendStroke(t.strokes, 100, 100, 100, 300); }},
            {"cells of another shape", [&] { t.cells.setColumns(20); }},
        };
        for (const auto& [what, edit] : edits) {
            edit();
            ASSERT_TRUE(patchedIsFresh(layer, t, image, field)) << what;
        }
        // A cut-short entry fails as a repaint from scratch does, and leaves the layer not stale.
        appendStroke(t.strokes, 10, 10, 20, 20);
        t.strokes.setLength(0, 2);
        EXPECT_ANY_THROW(layer.paint(t.strokes, t.cells, newStamp(), image));
        t.strokes.setLength(0, 4);
        ASSERT_TRUE(patchedIsFresh(layer, t, image, field));
    }
}

// The map page keeps its layer too and puts back only where the hover square was: every pointer
// move must show the map and square as painted from scratch, across edits, undo and loading.
TEST(TrackLayer, TheMapPageShowsEveryPointerMoveAsPaintedFromScratch) {
    TForm1 form;
    applyWorkspace(form, typicalScene());
    form.TabbedNotebook1Change(kMapPage);
    const auto drag = [&](int x0, int y0, int x1, int y1) {
        form.Image2MouseDown(x0, y0), form.Image2MouseMove(x1, y1), form.Image2MouseUp(x1, y1);
    };
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"line tool", [&] { form.Button5Click(); }},
        {"a line cell set", [&] { drag(5, 5, 5, 5); }},
        {"start tool", [&] { form.Button8Click(); }},
        {"brush strokes", [&] { form.Button7Click(), drag(100, 100, 400, 250); }},
        {"stop tool", [&] { form.Button9Click(); }},
        {"undo", [&] { form.Button10Click(); }},
        {"a stop cell in the corner", [&] { drag(695, 395, 695, 395); }},
        {"clear tool", [&] { form.Button6Click(); }},
        {"another workspace",
         [&] {
             applyWorkspace(form, busyScene());
             form.Button5Click();
         }},
        {"strokes cleared", [&] { form.Button11Click(); }},
    };
    const int moves[][2] = {{0, 0}, {695, 395}, {350, 200}, {-5, 405}, {350, 205}};
    for (const auto& [what, step] : steps) {
        step();
        for (const auto& [x, y] : moves) {
            form.Image2MouseMove(x, y);
            Raster fresh(701, 401);
            paintMapView(form.State.MapGrid, form.State.StrokeList, fresh);
            paintMapPreview(fresh, form.Shell.EditTool, x, y);
            ASSERT_EQ(std::memcmp(form.Image2.canvas.data(), fresh.data(), 4u * 701 * 401), 0)
                << what << " at " << x << ", " << y;
        }
    }
}
