// A long seeded sequence of every event a user can cause, with the invariants checked after each.
// VEMRIK_SOAK_EVENTS sets the number of events (default 200,000), VEMRIK_SOAK_SEED the seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

#include "app/errors.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

bool onlyCodes(const Grid& g, int columns, int rows, std::initializer_list<int> allowed) {
    if (g.columns() != columns) return false;
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            if (g.length(x) != rows || std::find(allowed.begin(), allowed.end(), g.at(x, y)) == allowed.end())
                return false;
    return true;
}

/// What is wrong with the form, or an empty text. The robot page counts every sensor of its
/// 20 x 20 drawn cells; the passes of the algorithm and simulation pages stop at eight.
std::string brokenInvariant(const TForm1& f, bool countedPass) {
    const ProgramState& s = f.State;
    if (!onlyCodes(s.RobotGrid, 21, 21, {0, 1, 3, 4, 5})) return "robot board";
    if (!onlyCodes(s.MapGrid, 71, 41, {0, 1, 4, 5})) return "map board";
    for (int e = 0; e < s.StrokeList.columns(); ++e)
        if (s.StrokeList.length(e) != 4) return "stroke entry " + std::to_string(e);
    if (f.Shell.TickCounter < 0 || f.Shell.TickCounter > 14 || s.SensorCount < 0 ||
        s.SensorCount > (countedPass ? 8 : 400))
        return "TickCounter or SensorCount";
    if ((s.ReturnToStart | 1) != 1 || f.Shell.MouseHeld > 1 || f.Shell.RedrawPending > 1) return "flags";
    for (const std::int32_t v : s.SensorStates)
        if ((v | 1) != 1) return "SensorStates";
    if (f.Memo1.size() > Memo::kBound) return "log bound";
    if (f.ListBox1.itemIndex < -1 || f.ListBox1.itemIndex >= f.ListBox1.count()) return "list selection";
    return {};
}

// Handlers without arguments; the refresh tick twice, for the weight it has in use.
using Click = void (TForm1::*)();
constexpr Click kClicks[] = {
    &TForm1::Timer1Timer,   &TForm1::Timer1Timer,   &TForm1::Button1Click,  &TForm1::Button2Click,
    &TForm1::Button3Click,  &TForm1::Button4Click,  &TForm1::Button12Click, &TForm1::Button5Click,
    &TForm1::Button6Click,  &TForm1::Button7Click,  &TForm1::Button8Click,  &TForm1::Button9Click,
    &TForm1::Button10Click, &TForm1::Button14Click, &TForm1::Button15Click, &TForm1::BitBtn6Click,
    &TForm1::Button16Click, &TForm1::BitBtn7Click,  &TForm1::BitBtn8Click};
constexpr Click kBoxClicks[] = {&TForm1::CheckBox1Click, &TForm1::CheckBox2Click, &TForm1::CheckBox3Click,
                                &TForm1::CheckBox4Click, &TForm1::CheckBox5Click, &TForm1::CheckBox6Click,
                                &TForm1::CheckBox7Click, &TForm1::CheckBox8Click};
using Pointer = void (TForm1::*)(int, int);
constexpr Pointer kPointer[2][3] = {
    {&TForm1::Image1MouseDown, &TForm1::Image1MouseMove, &TForm1::Image1MouseUp},
    {&TForm1::Image2MouseDown, &TForm1::Image2MouseMove, &TForm1::Image2MouseUp}};

}  // namespace

TEST(Soak, NoEventSequenceBreaksAnInvariant) {
    const auto env = [](const char* name, std::uint64_t fallback) {
        const char* v = std::getenv(name);
        return v && *v ? std::strtoull(v, nullptr, 10) : fallback;
    };
    const std::uint64_t seed = env("VEMRIK_SOAK_SEED", 20261206), count = env("VEMRIK_SOAK_EVENTS", 200000);
    std::mt19937_64 random(seed);
    const auto pick = [&](std::size_t n) { return static_cast<int>(random() % n); };
    // Mostly on the image, sometimes just past its edge, sometimes far away.
    const auto coordinate = [&](int size) {
        const int k = pick(4);
        return k == 0   ? pick(std::size_t(size) + 40) - 20
               : k == 1 ? pick(20001) - 10000
                        : pick(std::size_t(size));
    };
    TForm1 f;
    for (std::uint64_t i = 0; i < count; ++i) {
        const int kind = pick(12), map = pick(2), w = map ? 701 : 201, h = map ? 401 : 201, n = pick(8);
        const auto before = std::pair{f.Image4.canvas.version(), f.Image5.canvas.version()};
        try {
            if (kind < 5) (f.*kClicks[pick(std::size(kClicks))])();
            if (kind == 5 && f.Timer2.enabled) f.Timer2Timer();
            if (kind == 6) f.TabbedNotebook1Change(pick(4));
            if (kind == 7) (f.*kPointer[map][0])(pick(std::size_t(w)), pick(std::size_t(h)));
            if (kind == 8) (f.*kPointer[map][1 + pick(2)])(coordinate(w), coordinate(h));
            if (kind == 9) (f.checkBox(n + 1).checked = !f.checkBox(n + 1).checked, (f.*kBoxClicks[n])());
            if (kind == 10) (f.TrackBar1.position = pick(721) - 360, f.TrackBar1Change());
            if (kind == 10) (f.TrackBar2.position = pick(721) - 360, f.TrackBar2Change());
            if (kind == 11 && pick(20) == 0) f.Button11Click();
            if (kind == 11 && (f.ListBox1.count() < 200 || pick(10) == 0)) f.Button13Click();
            if (kind == 11) f.ListBox1.itemIndex = pick(std::size_t(f.ListBox1.count()) + 1) - 1;
        } catch (const std::exception& e) {
            // Only a drag or a press can leave a board.
            const bool allowed = dynamic_cast<const RangeError*>(&e) && (kind == 7 || kind == 8);
            ASSERT_TRUE(allowed) << "event " << i << " threw '" << e.what()
                                 << "'; replay with VEMRIK_SOAK_SEED=" << seed;
        }
        const bool countedPass = before != std::pair{f.Image4.canvas.version(), f.Image5.canvas.version()};
        const std::string broken = brokenInvariant(f, countedPass);
        ASSERT_TRUE(broken.empty()) << broken << " broken by event " << i << " (kind " << kind
                                    << "); replay with VEMRIK_SOAK_SEED=" << seed;
    }
}
