// A long seeded sequence of every event a user can cause, with the invariants checked after each.
// VEMRIK_SOAK_EVENTS sets the number of events (default 200,000), VEMRIK_SOAK_SEED the seed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/errors.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

std::uint64_t envNumber(const char* name, std::uint64_t fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtoull(v, nullptr, 10) : fallback;
}

bool onlyCodes(const Grid& g, int columns, int rows, std::initializer_list<int> allowed) {
    if (g.columns() != columns) return false;
    for (int x = 0; x < columns; ++x) {
        if (g.length(x) != rows) return false;
        for (int y = 0; y < rows; ++y)
            if (std::find(allowed.begin(), allowed.end(), g.at(x, y)) == allowed.end()) return false;
    }
    return true;
}

/// What is wrong with the form, or an empty text.
std::string brokenInvariant(const TForm1& f, bool countedPass) {
    const ProgramState& s = f.State;
    if (!onlyCodes(s.RobotGrid, 21, 21, {0, 1, 3, 4, 5})) return "robot board";
    if (!onlyCodes(s.MapGrid, 71, 41, {0, 1, 4, 5})) return "map board";
    for (int e = 0; e < s.StrokeList.columns(); ++e)
        if (s.StrokeList.length(e) != 4) return "stroke entry " + std::to_string(e);
    if (s.TickCounter < 0 || s.TickCounter > 14) return "TickCounter";
    // The robot page counts every sensor of its 20 x 20 drawn cells; the passes of the algorithm
    // and simulation pages stop at eight.
    if (s.SensorCount < 0 || s.SensorCount > (countedPass ? 8 : 400)) return "SensorCount";
    if (s.ReturnToStart != 0 && s.ReturnToStart != 1) return "ReturnToStart";
    if (s.MouseHeld > 1 || s.RedrawPending > 1) return "flags";
    for (std::int32_t v : s.SensorStates)
        if (v != 0 && v != 1) return "SensorStates";
    if (f.Memo1.size() > Memo::kBound) return "log bound";
    if (f.ListBox1.itemIndex < -1 || f.ListBox1.itemIndex >= f.ListBox1.count()) return "list selection";
    return {};
}

class Soak {
public:
    explicit Soak(std::uint64_t seed) : random_(seed) {}

    /// Runs one random event; returns its name. Range errors are allowed only where a drag or a
    /// press can leave a board.
    std::string next(TForm1& f) {
        const Event& e = events_[pick(events_.size())];
        try {
            e.run(f);
        } catch (const RangeError&) {
            if (!e.mayLeaveBoard) throw;
        }
        return e.name;
    }

private:
    struct Event {
        std::string name;
        bool mayLeaveBoard;
        std::function<void(TForm1&)> run;
    };

    std::size_t pick(std::size_t n) { return static_cast<std::size_t>(random_() % n); }
    // Mostly on the image, sometimes just past its edge, sometimes far away.
    int coordinate(int size) {
        switch (pick(4)) {
            case 0: return static_cast<int>(pick(static_cast<std::size_t>(size) + 40)) - 20;
            case 1: return static_cast<int>(pick(20001)) - 10000;
            default: return static_cast<int>(pick(static_cast<std::size_t>(size)));
        }
    }
    int position() { return static_cast<int>(pick(721)) - 360; }

    std::mt19937_64 random_;
    std::vector<Event> events_ = {
        {"page", false, [this](TForm1& f) { f.TabbedNotebook1Change(static_cast<int>(pick(4))); }},
        {"tick1", false, [](TForm1& f) { f.Timer1Timer(); }},
        {"tick1", false, [](TForm1& f) { f.Timer1Timer(); }},
        {"tick2", false, [](TForm1& f) { if (f.Timer2.enabled) f.Timer2Timer(); }},
        {"robot tool", false, [this](TForm1& f) {
             void (TForm1::*tools[])() = {&TForm1::Button1Click, &TForm1::Button2Click, &TForm1::Button3Click,
                                          &TForm1::Button4Click, &TForm1::Button12Click};
             (f.*tools[pick(5)])();
         }},
        {"map tool", false, [this](TForm1& f) {
             void (TForm1::*tools[])() = {&TForm1::Button5Click, &TForm1::Button6Click, &TForm1::Button7Click,
                                          &TForm1::Button8Click, &TForm1::Button9Click};
             (f.*tools[pick(5)])();
         }},
        {"Image1 down", true, [this](TForm1& f) { f.Image1MouseDown(static_cast<int>(pick(201)), static_cast<int>(pick(201))); }},
        {"Image1 move", true, [this](TForm1& f) { f.Image1MouseMove(coordinate(201), coordinate(201)); }},
        {"Image1 move", true, [this](TForm1& f) { f.Image1MouseMove(coordinate(201), coordinate(201)); }},
        {"Image1 up", false, [this](TForm1& f) { f.Image1MouseUp(coordinate(201), coordinate(201)); }},
        {"Image2 down", true, [this](TForm1& f) { f.Image2MouseDown(static_cast<int>(pick(701)), static_cast<int>(pick(401))); }},
        {"Image2 move", true, [this](TForm1& f) { f.Image2MouseMove(coordinate(701), coordinate(401)); }},
        {"Image2 move", true, [this](TForm1& f) { f.Image2MouseMove(coordinate(701), coordinate(401)); }},
        {"Image2 up", false, [this](TForm1& f) { f.Image2MouseUp(coordinate(701), coordinate(401)); }},
        {"Cofnij", false, [](TForm1& f) { f.Button10Click(); }},
        {"Usun", false, [this](TForm1& f) { if (pick(20) == 0) f.Button11Click(); }},
        {"check box", false, [this](TForm1& f) {
             const int n = static_cast<int>(pick(8)) + 1;
             f.checkBox(n).checked = !f.checkBox(n).checked;
             void (TForm1::*clicks[])() = {&TForm1::CheckBox1Click, &TForm1::CheckBox2Click, &TForm1::CheckBox3Click,
                                           &TForm1::CheckBox4Click, &TForm1::CheckBox5Click, &TForm1::CheckBox6Click,
                                           &TForm1::CheckBox7Click, &TForm1::CheckBox8Click};
             (f.*clicks[n - 1])();
         }},
        {"TrackBar1", false, [this](TForm1& f) { f.TrackBar1.position = position(); f.TrackBar1Change(); }},
        {"TrackBar2", false, [this](TForm1& f) { f.TrackBar2.position = position(); f.TrackBar2Change(); }},
        {"Dodaj", false, [this](TForm1& f) { if (f.ListBox1.count() < 200 || pick(10) == 0) f.Button13Click(); }},
        {"select", false, [this](TForm1& f) { f.ListBox1.itemIndex = static_cast<int>(pick(static_cast<std::size_t>(f.ListBox1.count()) + 1)) - 1; }},
        {"Usuń", false, [](TForm1& f) { f.Button14Click(); }},
        {"Start", false, [](TForm1& f) { f.Button15Click(); }},
        {"Krok", false, [](TForm1& f) { f.BitBtn6Click(); }},
        {"Wróć", false, [](TForm1& f) { f.Button16Click(); }},
        {"Włącz", false, [](TForm1& f) { f.BitBtn7Click(); }},
        {"Wyłącz", false, [](TForm1& f) { f.BitBtn8Click(); }},
    };
};

}  // namespace

TEST(Soak, NoEventSequenceBreaksAnInvariant) {
    const std::uint64_t seed = envNumber("VEMRIK_SOAK_SEED", 20261206);
    const std::uint64_t count = envNumber("VEMRIK_SOAK_EVENTS", 200000);
    TForm1 form;
    Soak soak(seed);
    for (std::uint64_t i = 0; i < count; ++i) {
        std::string name;
        const auto before = std::pair{form.Image4.canvas.version(), form.Image5.canvas.version()};
        try {
            name = soak.next(form);
        } catch (const std::exception& e) {
            FAIL() << "event " << i << " threw '" << e.what() << "'; replay with VEMRIK_SOAK_SEED=" << seed;
        }
        const bool countedPass =
            before != std::pair{form.Image4.canvas.version(), form.Image5.canvas.version()};
        const std::string broken = brokenInvariant(form, countedPass);
        ASSERT_TRUE(broken.empty()) << broken << " broken by event " << i << " (" << name
                                    << "); replay with VEMRIK_SOAK_SEED=" << seed;
    }
}
