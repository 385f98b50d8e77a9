#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <tuple>

#include "tests/engine_edits.h"
#include "ui/form.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_json.h"

using namespace vemrik;

namespace {

/// A workspace file written out by hand, piece by piece, so a test can spoil one piece.
struct FileParts {
    std::vector<std::string> robot = std::vector<std::string>(21, std::string(21, '0'));
    std::vector<std::string> map = std::vector<std::string>(41, std::string(71, '0'));
    std::string format = "\"vemrik-workspace\"", version = "1", ruleAngle = "30", startHeading = "-90";
    std::string strokes = "[[100, 100, 110, 100]]",
                rules = "[\"1 0 0 0 0 0 0 1 -30\", \"0 1 0 0 0 0 0 0 45\"]";

    std::string text() const {
        const auto list = [](const std::vector<std::string>& rows) {
            std::string s;
            for (const std::string& r : rows) s += (s.empty() ? "[\n    \"" : ",\n    \"") + r + "\"";
            return s + "\n  ]";
        };
        return "{\n  \"format\": " + format + ",\n  \"version\": " + version +
               ",\n  \"robot\": " + list(robot) + ",\n  \"map\": " + list(map) +
               ",\n  \"strokes\": " + strokes + ",\n  \"rules\": " + rules +
               ",\n  \"ruleAngle\": " + ruleAngle + ",\n  \"startHeading\": " + startHeading + "\n}\n";
    }
};

std::string with(const std::function<void(FileParts&)>& spoil) {
    FileParts parts;
    spoil(parts);
    return parts.text();
}

std::string replaced(const std::string& from, const std::string& to) {
    std::string text = FileParts{}.text();
    return text.replace(text.find(from), from.size(), to);
}

Workspace sample() { return parseWorkspace(FileParts{}.text()).workspace.value(); }

}  // namespace

// Also what the step reads in a rule: a fraction, a decimal comma, blanks and a sign round the angle.
TEST(WorkspaceText, AFileAtTheLimitsIsReadAndWrittenBackTheSame) {
    const ParsedWorkspace read = parseWorkspace(with([](auto& p) {
        p.robot[0][20] = '5';  // row 0, column 20
        p.strokes = "[[-2147483648, 2147483647, 0, -1], [1, 2, 3, 4]]";
        p.rules = "[\"0 1 0 1 0 1 0 1 12.5\", \"1 1 1 1 1 1 1 1  -7,25 \", \"0 0 0 0 0 0 0 0 +3\"]";
        p.ruleAngle = "-360";
        p.startHeading = "360";
    }));
    ASSERT_TRUE(read.workspace) << read.error;
    const Workspace& ws = *read.workspace;
    EXPECT_EQ(std::tuple(ws.robot.at(20, 0), ws.strokes.at(0, 0), ws.strokes.at(0, 1), ws.strokes.at(1, 3)),
              std::tuple(5, INT32_MIN, INT32_MAX, 4));
    EXPECT_EQ(std::tuple(ws.rules[1], ws.ruleAngle, ws.startHeading),
              std::tuple("1 1 1 1 1 1 1 1  -7,25 ", -360, 360));
    EXPECT_EQ(parseWorkspace(toJson(ws)).workspace, ws);
    EXPECT_EQ(parseWorkspace(toJson(Workspace{})).workspace, Workspace{});
}

TEST(BadWorkspaceText, EachFaultIsRefusedWithWhatAndWhere) {
    const std::pair<std::string, std::string> cases[] = {
        {"  \r\n\t\n", "plik jest pusty"},
        // Without the comma after the version the reader stops at the end of "robot" on line 4.
        {replaced("\"version\": 1,", "\"version\": 1"), "poprawny JSON: błąd w wierszu 4, kolumnie 9"},
        {"{\n  \"format\": \"vem", "plik jest urwany: JSON kończy się przed czasem w wierszu 2, kolumnie 17"},
        {"{}", "brak pola \"format\""},
        {with([](auto& p) { p.format = "\"vemrik\""; }), "\"format\" musi mieć wartość"},
        {with([](auto& p) { p.version = "2"; }), "wersja formatu 2 nie jest obsługiwana"},
        {replaced("\"startHeading\": -90", "\"zoom\": 2"), "nieznane pole \"zoom\""},
        {replaced(",\n  \"startHeading\": -90", ""), "brak pola kierunek startu (\"startHeading\")"},
        {replaced("30,", "3, \"ruleAngle\": 4,"), "pole \"ruleAngle\" występuje więcej niż raz"},
        {with([](auto& p) { p.robot.pop_back(); }), "robot (\"robot\"): liczba wierszy 20; potrzeba 21"},
        {with([](auto& p) { p.map[3].pop_back(); }), "mapa (\"map\"), wiersz [3]: długość 70; potrzeba 71"},
        {with([](auto& p) { p.map[3][12] = '3'; }), "[12][3] ma kod 3; dozwolone 0, 1, 4, 5"},  // a wheel
        {with([](auto& p) { p.robot[20][20] = 'x'; }), "komórka [20][20] ma znak „x”"},
        {with([](auto& p) { p.strokes = "{}"; }), "pędzel (\"strokes\"): oczekiwano listy odcinków"},
        {with([](auto& p) { p.strokes = "[[1, 2, 3, 4], [1, 2, 3]]"; }), "odcinek [1]: odcinek musi"},
        {with([](auto& p) { p.strokes = "[[1, 2, 3, 4.5]]"; }), "liczba [3]: liczba 4.5 zamiast"},
        {with([](auto& p) { p.strokes = "[[1, 2, 3, 2147483648]]"; }), "liczba 2147483648 poza zakresem"},
        {with([](auto& p) { p.strokes = "[[[[[[[[[[1]]]]]]]]]]"; }), "listy są zagnieżdżone zbyt głęboko"},
        {with([](auto& p) { p.rules = "[\"2 0 0 0 0 0 0 0 0\"]"; }), "[0]: pierwsze 16 znaków"},
        {with([](auto& p) { p.rules = "[\"1 0 0 0 0 0 0 0 \"]"; }), "reguła [0]: po wzorcu brakuje"},
        {with([](auto& p) { p.rules = "[\"1 0 0 0 0 0 0 0 30 40\"]"; }), "kąt „30 40” nie jest liczbą"},
        {with([](auto& p) { p.rules = "[\"0 0 0 0 0 0 0 0 0\", 5]"; }), "[1]: reguła musi być"},
        {with([](auto& p) { p.ruleAngle = "361"; }), "kąt reguły (\"ruleAngle\"): liczba 361; potrzeba"},
        {with([](auto& p) { p.ruleAngle = "1e999"; }), "liczba poza zakresem liczb zmiennoprzecinkowych"},
        // The JSON reader would end the text at a NUL byte; a rule would end at a NUL character.
        {FileParts{}.text() + std::string(1, '\0') + "{{{ \"zoom\": 1",
         "bajt zerowy (NUL) w wierszu 75, kolumnie 1"},
        {with([](auto& p) { p.rules = "[\"1 0 0 0 0 0 0 1 -30\\u0000junk\"]"; }),
         "napis zawiera znak NUL (\\u0000) w wierszu 71, kolumnie 33"},
    };
    for (const auto& [text, error] : cases) {
        const ParsedWorkspace read = parseWorkspace(text);
        EXPECT_FALSE(read.workspace.has_value()) << error;
        EXPECT_NE(read.error.find(error), std::string::npos) << read.error << "\nwanted: " << error;
    }
}

TEST(WorkspaceOnForm, ApplyPutsTheFormBackToStartUpAndCaptureGivesItBack) {
    TForm1 form;
    form.Button15Click();
    form.BitBtn7Click();                       // the run timer on
    form.BitBtn6Click(), form.BitBtn6Click();  // steps of an old run: their trail and counts must go
    form.CheckBox8.checked = true;
    const ProgramState& s = form.State;
    FormState& shell = form.Shell;
    shell.RedrawPending = 0;
    setRun(form.engine, [](RunMoment& m) { m.sensors = {1, 0, 1, 0, 1, 0, 1, 1}, m.sensorCount = 3; });
    shell.EditTool = shell.MouseHeld = 3;
    form.ListBox1.itemIndex = 0;
    applyWorkspace(form, sample());
    EXPECT_EQ(form.engine.record().steps() + form.engine.record().trail().size() + form.Memo1.size(), 0u);
    EXPECT_FALSE(form.Timer2.enabled || form.engine.running() || form.CheckBox8.checked);
    EXPECT_EQ(std::tuple(s.ReturnToStart, shell.RedrawPending, s.SensorCount, shell.EditTool, shell.MouseHeld,
                         form.ListBox1.itemIndex),
              std::tuple(1, 1, 0, 0, 0, -1));
    EXPECT_EQ(s.SensorStates, (std::array<std::int32_t, 8>{}));
    EXPECT_EQ(std::tuple(form.Label1.caption, form.Label2.caption), std::tuple("30", "0 0 0 0 0 0 0 0 30"));
    EXPECT_EQ(captureWorkspace(form), sample());
}
