#include <gtest/gtest.h>

#include <functional>

#include "tests/workspace_test_files.h"
#include "workspace/workspace_json.h"

using namespace vemrik;

namespace {

/// The hand-written file with one piece spoilt by `spoil`, as text.
std::string spoilt(const std::function<void(FileParts&)>& spoil) {
    FileParts parts;
    spoil(parts);
    return parts.text();
}

/// The hand-written file's text with its first `from` replaced by `to`.
std::string replaced(const std::string& from, const std::string& to) {
    std::string text = FileParts{}.text();
    return text.replace(text.find(from), from.size(), to);
}

}  // namespace

// Every robot and map code, strokes at the ends of the 32-bit range, odd but readable rules and
// both track bars at their limits come back as they were saved.
TEST(WorkspaceText, SavedAndReadBackEverythingIsTheSame) {
    static constexpr int kRobot[] = {0, 1, 3, 4, 5};
    static constexpr int kMap[] = {0, 1, 4, 5};
    Workspace ws;
    for (int x = 0; x < 21; ++x)
        for (int y = 0; y < 21; ++y) ws.robot.at(x, y) = kRobot[(x * 3 + y) % 5];
    for (int x = 0; x < 71; ++x)
        for (int y = 0; y < 41; ++y) ws.map.at(x, y) = kMap[(x + y * 7) % 4];
    const int strokes[][4] = {{100, 100, 110, 100}, {-5, 0, 800, 410}, {-2147483647 - 1, 2147483647, 0, -1}};
    ws.strokes.setColumns(3);
    for (int i = 0; i < 3; ++i) {
        ws.strokes.setLength(i, 4);
        for (int k = 0; k < 4; ++k) ws.strokes.at(i, k) = strokes[i][k];
    }
    ws.rules = {"1 0 0 0 0 0 0 1 -30", "1 0 0 0 0 0 0 1 -30", "0 1 0 1 0 1 0 1 12.5",
                "1 1 1 1 1 1 1 1  -360 "};
    ws.ruleAngle = -360;
    ws.startHeading = 360;
    const ParsedWorkspace read = parseWorkspace(toJson(ws));
    ASSERT_TRUE(read.workspace.has_value()) << read.error;
    EXPECT_EQ(*read.workspace, ws);
}

TEST(WorkspaceText, AHandWrittenFileIsReadCellByCellInAnyKeyOrderAndLineEnd) {
    FileParts parts;
    parts.robot[5][10] = '4';  // row 5, column 10
    parts.robot[0][20] = '5';
    parts.map[39][0] = '4';
    parts.map[12][70] = '5';
    std::string text = parts.text();
    text.replace(text.find("\"format\": \"vemrik-workspace\",\n"), 30, "");  // "format" moved to the end
    text.replace(text.rfind("\n}"), 2, ",\n\"format\": \"vemrik-workspace\"\n}");
    std::string crlf;
    for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const ParsedWorkspace read = parseWorkspace(crlf);
    ASSERT_TRUE(read.workspace.has_value()) << read.error;
    const Workspace& ws = *read.workspace;
    EXPECT_EQ(ws.robot.at(10, 5), 4);
    EXPECT_EQ(ws.robot.at(20, 0), 5);
    EXPECT_EQ(ws.robot.at(5, 10), 0);
    EXPECT_EQ(ws.map.at(0, 39), 4);
    EXPECT_EQ(ws.map.at(70, 12), 5);
    ASSERT_EQ(ws.strokes.columns(), 2);
    EXPECT_EQ(ws.strokes.at(1, 2), 120);
    EXPECT_EQ(ws.strokes.at(1, 3), 105);
    EXPECT_EQ(ws.rules, (std::vector<std::string>{"1 0 0 0 0 0 0 1 -30", "0 0 0 1 1 0 0 0 45"}));
    EXPECT_EQ(ws.ruleAngle, 30);
    EXPECT_EQ(ws.startHeading, -90);
    // What the step reads is accepted: a fraction, a comma, blanks round the angle; and both limits.
    EXPECT_TRUE(parseWorkspace(spoilt([](FileParts& p) {
                    p.rules =
                        "[\"1 0 0 0 0 0 0 0 12.5\", \"1 0 0 0 0 0 0 0 -7,25\", \"1 0 0 0 0 0 0 0  +3 \"]";
                    p.startHeading = "-360";
                    p.ruleAngle = "360";
                })).workspace);
}

TEST(BadWorkspaceText, EachFaultIsRefusedWithWhatAndWhere) {
    const std::string full = FileParts{}.text();
    const auto rule = [](const std::string& r) {
        return spoilt([&](FileParts& p) { p.rules = "[\"0 0 0 0 0 0 0 0 0\", \"" + r + "\"]"; });
    };
    const std::string pattern = "reguła [1]: pierwsze 16 znaków musi być wzorcem ośmiu cyfr 0 lub 1";
    const std::pair<std::string, std::string> cases[] = {
        {"  \r\n\t\n", "plik jest pusty"},
        {"hello", "to nie jest poprawny JSON: błąd w wierszu 1, kolumnie 1"},
        // Without the comma after the version the reader stops at the end of "robot" on line 4.
        {replaced("\"version\": 1,", "\"version\": 1"), "błąd w wierszu 4, kolumnie 9"},
        {full.substr(0, full.size() - 3), "plik jest urwany"},
        {"{\n  \"format\": \"vem", "plik jest urwany: JSON kończy się przed czasem w wierszu 2, kolumnie 17"},
        {spoilt([](FileParts& p) { p.format = "\"vemrik\""; }),
         "\"format\" musi mieć wartość \"vemrik-workspace\""},
        {spoilt([](FileParts& p) { p.version = "2"; }),
         "wersja formatu 2 nie jest obsługiwana; ten program czyta wersję 1"},
        {replaced("\"startHeading\": -90", "\"zoom\": 2"), "nieznane pole \"zoom\""},
        {replaced(",\n  \"startHeading\": -90", ""), "brak pola kierunek startu (\"startHeading\")"},
        {replaced("\"ruleAngle\": 30", "\"ruleAngle\": 30, \"ruleAngle\": 40"),
         "pole \"ruleAngle\" występuje więcej niż raz"},
        // Board sizes: rows too few, too many, a row too short or too long.
        {spoilt([](FileParts& p) { p.robot.pop_back(); }),
         "robot (\"robot\"): liczba wierszy 20; potrzeba 21"},
        {spoilt([](FileParts& p) { p.map.push_back(std::string(71, '0')); }),
         "mapa (\"map\"): liczba wierszy 42; potrzeba 41"},
        {spoilt([](FileParts& p) { p.map[3].pop_back(); }),
         "mapa (\"map\"), wiersz [3]: długość 70; potrzeba 71"},
        // Cell codes: a wheel is no map cell, there is no robot code 2, no letters.
        {spoilt([](FileParts& p) { p.map[3][12] = '7'; }),
         "mapa (\"map\"): komórka [12][3] ma kod 7; dozwolone 0, 1, 4, 5"},
        {spoilt([](FileParts& p) { p.map[0][0] = '3'; }), "komórka [0][0] ma kod 3"},
        {spoilt([](FileParts& p) { p.robot[7][5] = '2'; }),
         "robot (\"robot\"): komórka [5][7] ma kod 2; dozwolone 0, 1, 3, 4, 5"},
        {spoilt([](FileParts& p) { p.robot[20][20] = 'x'; }), "komórka [20][20] ma znak „x”"},
        // Segments: four integers within 32 bits.
        {spoilt([](FileParts& p) { p.strokes = "[[1, 2, 3, 4], [1, 2, 3]]"; }),
         "odcinek [1]: odcinek musi być listą czterech liczb całkowitych [x0, y0, x1, y1]"},
        {spoilt([](FileParts& p) { p.strokes = "[[1, 2, \"3\", 4]]"; }),
         "odcinek [0], liczba [2]: napis zamiast liczby całkowitej"},
        {spoilt([](FileParts& p) { p.strokes = "[[1, 2, 3, 4.5]]"; }),
         "liczba [3]: liczba 4.5 zamiast liczby całkowitej"},
        {spoilt([](FileParts& p) { p.strokes = "[[1, 2, 3, 2147483648]]"; }),
         "liczba 2147483648 poza zakresem -2147483648 … 2147483647"},
        {spoilt([](FileParts& p) { p.strokes = "{}"; }), "pędzel (\"strokes\"): oczekiwano listy odcinków"},
        // Rules the step could not read.
        {rule("2 0 0 0 0 0 0 0 0"), pattern},
        {rule("1 0 0 0 0 0 0 0"), pattern},  // 15 characters
        {rule("1 0 0 0 0 0 0 0 "), "reguły (\"rules\"), reguła [1]: po wzorcu brakuje kąta"},
        {rule("1 0 0 0 0 0 0 0 30 40"), "reguła [1]: kąt „30 40” nie jest liczbą"},
        {rule("1 0 0 0 0 0 0 0 \\u0001"), "reguła [1]: kąt nie jest liczbą"},
        {spoilt([](FileParts& p) { p.rules = "[\"0 0 0 0 0 0 0 0 0\", 5]"; }),
         "reguła [1]: reguła musi być napisem"},
        // Track bars: whole numbers from -360 to 360.
        {spoilt([](FileParts& p) { p.ruleAngle = "361"; }),
         "kąt reguły (\"ruleAngle\"): liczba 361; potrzeba liczby całkowitej od -360 do 360"},
        {spoilt([](FileParts& p) { p.ruleAngle = "18446744073709551615"; }),
         "potrzeba liczby całkowitej od -360 do 360"},
        {spoilt([](FileParts& p) { p.startHeading = "-361"; }),
         "kierunek startu (\"startHeading\"): liczba -361"},
        {spoilt([](FileParts& p) { p.ruleAngle = "1e999"; }),
         "liczba poza zakresem liczb zmiennoprzecinkowych"},
        // Nesting is refused before it is built.
        {std::string(1'000'000, '[') + std::string(1'000'000, ']'), "listy są zagnieżdżone zbyt głęboko"},
        {spoilt([](FileParts& p) { p.strokes = "[[[[[[[[[[1]]]]]]]]]]"; }),
         "listy są zagnieżdżone zbyt głęboko"},
        {spoilt([](FileParts& p) { p.rules = "[\"1 0 0 0 0 0 0 0 \xC5\"]"; }), "to nie jest poprawny JSON"},
    };
    for (const auto& [text, error] : cases) {
        const ParsedWorkspace read = parseWorkspace(text);
        EXPECT_FALSE(read.workspace.has_value()) << error;
        EXPECT_NE(read.error.find(error), std::string::npos) << read.error << "\nwanted: " << error;
    }
}
