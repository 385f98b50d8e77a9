// The robot, map and algorithm pages: their edges, error paths and previews, which the determinism
// hash of the main paths does not reach.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/errors.h"
#include "tests/engine_edits.h"
#include "ui/control_events.h"
#include "ui/form.h"
#include "ui/layout.h"

using namespace vemrik;

namespace {

struct Probe {
    int x, y;
    Colour colour;
};

/// Every probed pixel has its colour.
void expectPixels(const Raster& r, std::initializer_list<Probe> probes) {
    for (const Probe& p : probes)
        EXPECT_EQ(r.pixel(p.x, p.y), p.colour) << "pixel (" << p.x << ", " << p.y << ")";
}

/// Pixels where the image differs from want(x, y).
int differing(const Raster& r, const auto& want) {
    int n = 0;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) n += r.pixel(x, y) != want(x, y);
    return n;
}

/// Every non-zero entry as "column,row=value", column by column.
std::string nonZero(const Grid& g) {
    std::string out;
    for (int i = 0; i < g.columns(); ++i)
        for (int j = 0; j < g.length(i); ++j)
            if (g.at(i, j) != 0)
                out += std::to_string(i) + "," + std::to_string(j) + "=" + std::to_string(g.at(i, j)) + " ";
    return out;
}

void press(TForm1& f, void (TForm1::*tool)(), int x, int y) {
    (f.*tool)();
    f.Image2MouseDown(x, y);
    f.Image2MouseUp(x, y);
}

/// Pixels that differ from the empty map: white with a black dot at every multiple of 10.
int changedFromEmpty(const Raster& r) {
    return differing(r, [](int x, int y) { return x % 10 == 0 && y % 10 == 0 ? kBlack : kWhite; });
}

}  // namespace

TEST(RobotView, RepaintsInFullAndClipsAtTheEdges) {
    TForm1 form;
    form.Image1.canvas.fill(kGreen);
    setRobot(form.engine, [](ProgramState& s) {
        Grid& g = s.RobotGrid;
        g.at(19, 5) = g.at(20, 5) = kDoubleHalf;  // clipped at x = 200: 11 x 10 pixels change
        g.at(20, 3) = g.at(0, 20) = kSensor;      // the last column and row are never drawn
    });
    form.BitBtn2Click();
    // The empty board: black dots every 10 pixels over the grey cross at 100, else white.
    const auto field = [](int x, int y) {
        return x % 10 == 0 && y % 10 == 0 ? kBlack : x == 100 || y == 100 ? kGrey : kWhite;
    };
    EXPECT_EQ(differing(form.Image1.canvas, field), 110);
    expectPixels(form.Image1.canvas, {{198, 54, kGrey}, {199, 54, kRed}, {200, 55, kRed}});
}

TEST(RobotEditor, ToolsWriteTheCellUnderThePointerAndFailBeforeTheWriteOffTheBoard) {
    TForm1 form;
    setRobot(form.engine, [](ProgramState& s) { s.RobotGrid.at(5, 12) = kBody; });
    form.Button2Click();
    form.Image1MouseDown(57, 123);  // erased
    form.Button12Click();
    form.Image1MouseMove(-9, 45);   // held: a double sensor's drag writes one cell; column 0, truncated
    form.Image1MouseMove(209, 45);  // still column 20
    form.Shell.RedrawPending = form.Shell.MouseHeld = 0;
    // On the last pixel column a double sensor writes its left half, then fails, flags set first.
    EXPECT_THROW(form.Image1MouseDown(200, 65), RangeError);
    EXPECT_EQ(form.Shell.RedrawPending + form.Shell.MouseHeld, 2);
    for (auto [x, y] : {std::pair{210, 25}, {-10, 25}, {50, 210}})
        EXPECT_THROW(form.Image1MouseMove(x, y), RangeError) << x << ", " << y;
    EXPECT_EQ(nonZero(form.State.RobotGrid), "0,4=5 20,4=5 20,6=5 ");
}

TEST(MapEditor, TheBrushRecordsAndLogsOneSegmentPerMoveUndoTakesTheLastAndClearTheRest) {
    TForm1 form;
    press(form, &TForm1::Button8Click, 15, 5);
    form.Button7Click();
    form.Image2MouseDown(100, 100);
    for (auto [x, y] : {std::pair{110, 100}, {120, 105}, {130, 105}}) form.Image2MouseMove(x, y);
    EXPECT_EQ(form.Image2.canvas.penWidth(), 0);
    std::string memo;
    for (std::size_t i = 0; i < form.Memo1.size(); ++i) memo += std::string(form.Memo1.line(i)) + " ";
    EXPECT_EQ(memo, "100 100 110 100 110 100 120 105 120 105 130 105 ");
    form.Button10Click();
    EXPECT_EQ(nonZero(form.State.StrokeList),
              "0,0=100 0,1=100 0,2=110 0,3=100 1,0=110 1,1=100 1,2=120 1,3=105 ");
    form.Button11Click();
    form.BitBtn3Click();
    EXPECT_EQ(changedFromEmpty(form.Image2.canvas), 100);  // only the start cell is left
}

// The last column and row of cells are never drawn, and a redraw repaints in full.
TEST(MapEditor, CellToolsFailOffTheBoardButTheBrushRecordsAndTheLastColumnAndRowAreNotDrawn) {
    TForm1 form;
    press(form, &TForm1::Button9Click, 709, 15);  // still column 70
    press(form, &TForm1::Button8Click, 700, 55);
    press(form, &TForm1::Button5Click, 55, 400);
    EXPECT_EQ(form.State.MapGrid.at(70, 1), kStop);
    EXPECT_THROW(press(form, &TForm1::Button9Click, 300, 410), RangeError);
    form.Button7Click();
    form.Image2MouseDown(709, 15);
    form.Image2MouseMove(710, 425);
    EXPECT_EQ(nonZero(form.State.StrokeList), "0,0=709 0,1=15 0,2=710 0,3=425 ");
    form.Image2.canvas.fill(kRed);
    form.BitBtn3Click();
    EXPECT_EQ(changedFromEmpty(form.Image2.canvas), 0);
}

TEST(ToolButtons, OnlyTheChosenToolsButtonOnThePageInFrontIsDown) {
    TForm1 form;
    const auto down = [&form] {
        std::string ids;
        for (const ControlSpec& c : formLayout())
            if (buttonDown(form, c.id)) ids += std::string(c.id) + " ";
        return ids;
    };
    EXPECT_EQ(down(), "");  // no tool at start-up
    form.TabbedNotebook1Change(kRobotPage);
    for (const char* id : {"robot.body", "robot.clear", "robot.wheel", "robot.sensor", "robot.sensor2",
                           "map.line", "map.clear", "map.brush", "map.start", "map.stop"}) {
        if (findControl(id)->page != form.NotebookPageIndex) form.TabbedNotebook1Change(kMapPage);
        (form.*pressHandler(id))();
        EXPECT_EQ(down(), std::string(id) + " ");
    }
}

TEST(AlgorithmPage, EachCheckBoxSetsOnlyItsOwnSensor) {
    TForm1 form;
    void (TForm1::*clicks[])() = {&TForm1::CheckBox1Click, &TForm1::CheckBox2Click, &TForm1::CheckBox3Click,
                                  &TForm1::CheckBox4Click, &TForm1::CheckBox5Click, &TForm1::CheckBox6Click,
                                  &TForm1::CheckBox7Click, &TForm1::CheckBox8Click};
    for (std::size_t n = 0; n < 8; ++n) {  // checked one after another
        form.checkBox(static_cast<int>(n) + 1).checked = true;
        (form.*clicks[n])();
        EXPECT_EQ(form.State.SensorStates[n], 1) << "check box " << n + 1;
    }
    form.CheckBox8.checked = false;
    form.CheckBox8Click();
    EXPECT_EQ(form.State.SensorStates, (std::array<std::int32_t, kSensorSlots>{1, 1, 1, 1, 1, 1, 1, 0}));
}

TEST(AlgorithmPage, RemoveTakesOnlyTheSelectedLineAndKeepsTheSelectionInTheList) {
    TForm1 form;
    form.engine.setRules(RuleList({"a", "b", "c", "d"}));
    for (int selected : {-1, 4, 1, 2}) {  // nothing, past the end, then the middle and the last
        form.ListBox1.itemIndex = selected;
        form.Button14Click();
    }
    EXPECT_EQ(form.ListBox1.lines.lines(), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(form.ListBox1.itemIndex, 1);
    for (int outside : {-1, 2}) {  // a line named from elsewhere that the list no longer holds
        form.SelectRule(outside);
        EXPECT_EQ(form.ListBox1.itemIndex, 1) << outside;
    }
    form.SelectRule(0);
    EXPECT_EQ(form.ListBox1.itemIndex, 0);
}

TEST(AlgorithmView, TheLastDrawnCellIsOutlinedOverAFreshBackground) {
    TForm1 form;
    form.Image3.canvas.fill(kGreen);
    setRobot(form.engine, [](ProgramState& s) {
        s.RobotGrid.at(19, 19) = kWheel;
        s.RobotGrid.at(20, 20) = kWheel;  // the last column and row are never drawn
    });
    form.BitBtn4Click();
    // White with the grey cross at 100; the cell's 2-pixel outline covers 189 .. 200 less 191 .. 198.
    const auto want = [](int x, int y) {
        const bool inside = x >= 191 && x <= 198 && y >= 191 && y <= 198;
        return x >= 189 && y >= 189 && !inside ? kBlack : x == 100 || y == 100 ? kGrey : kWhite;
    };
    EXPECT_EQ(differing(form.Image3.canvas, want), 0);
}

TEST(AlgorithmView, TheFirstEightSensorsInRowOrderShowTheirStatesAndEveryOneIsMarked) {
    TForm1 form;
    setRobot(form.engine, [](ProgramState& s) {
        Grid& g = s.RobotGrid;
        g.at(19, 2) = g.at(20, 2) = kDoubleHalf;           // sensor 0: its square straddles both cells
        for (int x = 0; x < 8; ++x) g.at(x, 3) = kSensor;  // sensors 1 .. 8
    });
    setRun(form.engine, [](RunMoment& m) { m.sensors = {0, 1, 1, 1, 1, 1, 1, 1}; });
    form.BitBtn4Click();
    // Sensor 0 red, clipped at the right edge; sensor 7 green; the ninth gets no square.
    expectPixels(form.Image4.canvas, {{194, 25, kWhite},
                                      {195, 20, kRed},
                                      {200, 29, kRed},
                                      {69, 39, kGreen},
                                      {70, 30, kBlack},
                                      {75, 35, kWhite}});
    for (int x = 0; x < 8; ++x) EXPECT_EQ(form.Image3.canvas.pixel(10 * x + 5, 35), kRed) << x;
}
