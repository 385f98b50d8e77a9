#include <gtest/gtest.h>

#include "tests/workspace_test_files.h"
#include "workspace/workspace_json.h"

using namespace vemrik;

namespace {

std::string errorOf(const std::string& text) {
    const ParsedWorkspace read = parseWorkspace(text);
    EXPECT_FALSE(read.workspace.has_value());
    return read.error;
}

std::string errorOf(const FileParts& parts) { return errorOf(parts.text()); }

// Every robot and map code in many places, strokes at the ends of the 32-bit range, rules with
// odd but readable angles, both track bars at their limits.
Workspace busyWorkspace() {
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
    ws.rules = {"1 0 0 0 0 0 0 1 -30", "1 0 0 0 0 0 0 1 -30", "0 0 0 0 0 0 0 0 0", "0 1 0 1 0 1 0 1 12.5",
                "1 1 1 1 1 1 1 1  -360 "};
    ws.ruleAngle = -360;
    ws.startHeading = 360;
    return ws;
}

}  // namespace

TEST(WorkspaceText, SavedAndReadBackEveryCellSegmentRuleAndPositionIsTheSame) {
    const Workspace ws = busyWorkspace();
    const ParsedWorkspace read = parseWorkspace(toJson(ws));
    ASSERT_TRUE(read.workspace.has_value()) << read.error;
    const Workspace& back = *read.workspace;
    for (int x = 0; x < 21; ++x)
        for (int y = 0; y < 21; ++y) ASSERT_EQ(back.robot.at(x, y), ws.robot.at(x, y)) << x << "," << y;
    for (int x = 0; x < 71; ++x)
        for (int y = 0; y < 41; ++y) ASSERT_EQ(back.map.at(x, y), ws.map.at(x, y)) << x << "," << y;
    ASSERT_EQ(back.strokes.columns(), 3);
    EXPECT_EQ(back.strokes.at(1, 0), -5);
    EXPECT_EQ(back.strokes.at(2, 0), -2147483647 - 1);
    EXPECT_EQ(back.strokes.at(2, 1), 2147483647);
    EXPECT_EQ(back.rules, ws.rules);
    EXPECT_EQ(back.ruleAngle, -360);
    EXPECT_EQ(back.startHeading, 360);
    EXPECT_EQ(back, ws);
}

TEST(WorkspaceText, BoardsAreWrittenOneRowPerLineAsDigits) {
    Workspace ws;
    ws.robot.at(3, 0) = 1;   // column 3 of the first row
    ws.robot.at(20, 1) = 5;  // last column of the second row
    ws.map.at(0, 40) = 4;
    const std::string text = toJson(ws);
    EXPECT_EQ(text.rfind("{\n  \"format\": \"vemrik-workspace\",\n  \"version\": 1,\n", 0), 0u);
    EXPECT_NE(text.find("\n    \"000100000000000000000\",\n    \"000000000000000000005\",\n"),
              std::string::npos);
    EXPECT_NE(text.find("\n    \"4" + std::string(70, '0') + "\"\n  ],\n"), std::string::npos);
}

TEST(WorkspaceText, AHandWrittenFileIsReadCellByCell) {
    FileParts parts;
    parts.robot[5][10] = '4';  // row 5, column 10
    parts.robot[0][20] = '5';
    parts.map[39][0] = '4';
    parts.map[12][70] = '5';
    const ParsedWorkspace read = parseWorkspace(parts.text());
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
}

TEST(WorkspaceText, KeysInAnyOrderAndWindowsLineEndsAreRead) {
    std::string text = FileParts{}.text();
    // Move "format" to the end.
    text.replace(text.find("\"format\": \"vemrik-workspace\",\n"), 30, "");
    text.replace(text.rfind("\n}"), 2, ",\n\"format\": \"vemrik-workspace\"\n}");
    std::string crlf;
    for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_TRUE(parseWorkspace(text).workspace.has_value()) << parseWorkspace(text).error;
    EXPECT_TRUE(parseWorkspace(crlf).workspace.has_value()) << parseWorkspace(crlf).error;
}

TEST(BadWorkspaceText, EmptyOrBlankFileSaysSo) {
    EXPECT_EQ(errorOf(""), "plik jest pusty");
    EXPECT_EQ(errorOf("  \r\n\t\n"), "plik jest pusty");
}

TEST(BadWorkspaceText, TextThatIsNotJsonNamesLineAndColumn) {
    EXPECT_EQ(errorOf("hello"), "to nie jest poprawny JSON: błąd w wierszu 1, kolumnie 1");
    // Without the comma after the version the reader stops at the end of "robot" on line 4.
    std::string text = FileParts{}.text();
    text.replace(text.find("\"version\": 1,"), 13, "\"version\": 1");
    EXPECT_EQ(errorOf(text), "to nie jest poprawny JSON: błąd w wierszu 4, kolumnie 9");
}

TEST(BadWorkspaceText, TruncatedFileIsCalledTruncated) {
    const std::string text = FileParts{}.text();
    for (const std::size_t keep : {std::size_t{1}, std::size_t{40}, text.size() / 2, text.size() - 3}) {
        const std::string error = errorOf(text.substr(0, keep));
        EXPECT_EQ(error.rfind("plik jest urwany", 0), 0u) << keep << ": " << error;
    }
    EXPECT_EQ(errorOf("{\n  \"format\": \"vem"),
              "plik jest urwany: JSON kończy się przed czasem w wierszu 2, kolumnie 17");  // just after the
                                                                                           // 16 characters
}

TEST(BadWorkspaceText, OtherJsonIsNotAVemrikFile) {
    EXPECT_NE(errorOf("[1, 2, 3]").find("to nie jest plik Vemrik"), std::string::npos);
    EXPECT_NE(errorOf("{\"a\": 1}").find("to nie jest plik Vemrik"), std::string::npos);
    FileParts parts;
    parts.format = "\"vemrik\"";
    EXPECT_NE(errorOf(parts).find("\"format\" musi mieć wartość \"vemrik-workspace\""), std::string::npos);
}

TEST(BadWorkspaceText, OtherVersionsAreRefusedByNumber) {
    FileParts parts;
    parts.version = "2";
    EXPECT_EQ(errorOf(parts), "wersja formatu 2 nie jest obsługiwana; ten program czyta wersję 1");
    parts.version = "0";
    EXPECT_EQ(errorOf(parts), "wersja formatu 0 nie jest obsługiwana; ten program czyta wersję 1");
    parts.version = "\"1\"";
    EXPECT_EQ(errorOf(parts), "wersja (\"version\"): oczekiwano liczby całkowitej");
    parts.version = "1.0";
    EXPECT_EQ(errorOf(parts), "wersja (\"version\"): oczekiwano liczby całkowitej");
}

TEST(BadWorkspaceText, MissingUnknownAndRepeatedFieldsAreNamed) {
    std::string text = FileParts{}.text();
    text.replace(text.find("  \"startHeading\": -90\n"), 22, "  \"zoom\": 2\n");
    EXPECT_EQ(errorOf(text), "nieznane pole \"zoom\"");
    text = FileParts{}.text();
    text.replace(text.find(",\n  \"startHeading\": -90"), 22, "");
    EXPECT_EQ(errorOf(text), "brak pola kierunek startu (\"startHeading\")");
    text = FileParts{}.text();
    text.replace(text.find("\"ruleAngle\": 30"), 15, "\"ruleAngle\": 30, \"ruleAngle\": 40");
    EXPECT_EQ(errorOf(text), "pole \"ruleAngle\" występuje więcej niż raz");
}

TEST(BadWorkspaceText, BoardsOfTheWrongSizeNameTheBoardAndTheRow) {
    FileParts parts;
    parts.robot.pop_back();
    EXPECT_EQ(errorOf(parts), "robot (\"robot\"): liczba wierszy 20; potrzeba 21");
    parts = FileParts{};
    parts.map.push_back(std::string(71, '0'));
    EXPECT_EQ(errorOf(parts), "mapa (\"map\"): liczba wierszy 42; potrzeba 41");
    parts = FileParts{};
    parts.map[3].pop_back();
    EXPECT_EQ(errorOf(parts), "mapa (\"map\"), wiersz [3]: długość 70; potrzeba 71");
    parts = FileParts{};
    parts.robot[20] += "0";
    EXPECT_EQ(errorOf(parts), "robot (\"robot\"), wiersz [20]: długość 22; potrzeba 21");
    parts = FileParts{};
    std::string text = parts.text();
    text.replace(text.find("\"robot\": ["), 10, "\"robot\": [7,");
    EXPECT_EQ(errorOf(text), "robot (\"robot\"): liczba wierszy 22; potrzeba 21");
}

TEST(BadWorkspaceText, CellCodesOutsideEachBoardsSetNameTheCell) {
    FileParts parts;
    parts.map[3][12] = '7';
    EXPECT_EQ(errorOf(parts), "mapa (\"map\"): komórka [12][3] ma kod 7; dozwolone 0, 1, 4, 5");
    parts = FileParts{};
    parts.map[0][0] = '3';  // a wheel is no map cell
    EXPECT_EQ(errorOf(parts), "mapa (\"map\"): komórka [0][0] ma kod 3; dozwolone 0, 1, 4, 5");
    parts = FileParts{};
    parts.robot[7][5] = '2';  // "Czysc" writes 0; there is no code 2
    EXPECT_EQ(errorOf(parts), "robot (\"robot\"): komórka [5][7] ma kod 2; dozwolone 0, 1, 3, 4, 5");
    parts = FileParts{};
    parts.robot[20][20] = 'x';
    EXPECT_EQ(errorOf(parts), "robot (\"robot\"): komórka [20][20] ma znak „x”; dozwolone 0, 1, 3, 4, 5");
    parts = FileParts{};
    parts.robot[0][0] = '-';
    EXPECT_NE(errorOf(parts).find("komórka [0][0] ma znak „-”"), std::string::npos);
}

TEST(BadWorkspaceText, SegmentsNeedFourIntegers) {
    FileParts parts;
    parts.strokes = "[[1, 2, 3, 4], [1, 2, 3]]";
    EXPECT_EQ(errorOf(parts),
              "pędzel (\"strokes\"), odcinek [1]: odcinek musi być listą czterech liczb całkowitych [x0, y0, "
              "x1, y1]");
    parts.strokes = "[[1, 2, 3, 4, 5]]";
    EXPECT_NE(errorOf(parts).find("odcinek [0]: odcinek musi być listą czterech"), std::string::npos);
    parts.strokes = "[{\"x0\": 1}]";
    EXPECT_NE(errorOf(parts).find("odcinek [0]: odcinek musi być listą czterech"), std::string::npos);
    parts.strokes = "[[1, 2, \"3\", 4]]";
    EXPECT_EQ(errorOf(parts),
              "pędzel (\"strokes\"), odcinek [0], liczba [2]: napis zamiast liczby całkowitej");
    parts.strokes = "[[1, 2, 3, 4.5]]";
    EXPECT_EQ(errorOf(parts),
              "pędzel (\"strokes\"), odcinek [0], liczba [3]: liczba 4.5 zamiast liczby całkowitej");
    parts.strokes = "[[1, 2, 3, 2147483648]]";
    EXPECT_EQ(errorOf(parts),
              "pędzel (\"strokes\"), odcinek [0], liczba [3]: liczba 2147483648 poza zakresem "
              "-2147483648 … 2147483647");
    parts.strokes = "[[-2147483649, 2, 3, 4]]";
    EXPECT_NE(errorOf(parts).find("liczba [0]: liczba -2147483649 poza zakresem"), std::string::npos);
    parts.strokes = "{}";
    EXPECT_EQ(errorOf(parts), "pędzel (\"strokes\"): oczekiwano listy odcinków [x0, y0, x1, y1]");
}

TEST(BadWorkspaceText, RuleLinesTheStepCouldNotReadNameTheRule) {
    FileParts parts;
    const auto ruleError = [&](const std::string& rule) {
        parts.rules = "[\"0 0 0 0 0 0 0 0 0\", \"" + rule + "\"]";
        return errorOf(parts);
    };
    const std::string pattern =
        "reguły (\"rules\"), reguła [1]: pierwsze 16 znaków musi być wzorcem ośmiu cyfr 0 lub 1, każdej z "
        "jednym odstępem po niej (np. „1 0 0 0 0 0 0 1 -30”)";
    EXPECT_EQ(ruleError("2 0 0 0 0 0 0 0 0"), pattern);
    EXPECT_EQ(ruleError("1 0 0 0 0 0 0 0"), pattern);  // 15 characters
    EXPECT_EQ(ruleError("1 0 0 0 0 0 0 00 0"), pattern);
    EXPECT_EQ(ruleError(""), pattern);
    EXPECT_EQ(ruleError("1 0 0 0 0 0 0 0 "), "reguły (\"rules\"), reguła [1]: po wzorcu brakuje kąta");
    EXPECT_EQ(ruleError("1 0 0 0 0 0 0 0 abc"), "reguły (\"rules\"), reguła [1]: kąt „abc” nie jest liczbą");
    EXPECT_EQ(ruleError("1 0 0 0 0 0 0 0 30 40"),
              "reguły (\"rules\"), reguła [1]: kąt „30 40” nie jest liczbą");
    EXPECT_EQ(ruleError("1 0 0 0 0 0 0 0 inf"), "reguły (\"rules\"), reguła [1]: kąt „inf” nie jest liczbą");
    EXPECT_EQ(ruleError("1 0 0 0 0 0 0 0 \\u0001"), "reguły (\"rules\"), reguła [1]: kąt nie jest liczbą");
    parts.rules = "[\"0 0 0 0 0 0 0 0 0\", 5]";
    EXPECT_EQ(errorOf(parts), "reguły (\"rules\"), reguła [1]: reguła musi być napisem");
    // What the step reads is accepted: a fraction, a comma, blanks around the angle.
    parts.rules = "[\"1 0 0 0 0 0 0 0 12.5\", \"1 0 0 0 0 0 0 0 -7,25\", \"1 0 0 0 0 0 0 0  +3 \"]";
    EXPECT_TRUE(parseWorkspace(parts.text()).workspace.has_value()) << parseWorkspace(parts.text()).error;
}

TEST(BadWorkspaceText, TrackBarPositionsOutsideTheirRangeAreRefused) {
    FileParts parts;
    for (const char* bad : {"361", "-361", "30.5", "\"30\"", "null", "18446744073709551615"}) {
        parts.ruleAngle = bad;
        const std::string error = errorOf(parts);
        EXPECT_EQ(error.rfind("kąt reguły (\"ruleAngle\"): ", 0), 0u) << error;
        EXPECT_NE(error.find("potrzeba liczby całkowitej od -360 do 360"), std::string::npos) << error;
    }
    parts.ruleAngle = "361";
    EXPECT_EQ(errorOf(parts),
              "kąt reguły (\"ruleAngle\"): liczba 361; potrzeba liczby całkowitej od -360 do 360");
    parts = FileParts{};
    parts.startHeading = "-400";
    EXPECT_EQ(errorOf(parts),
              "kierunek startu (\"startHeading\"): liczba -400; potrzeba liczby całkowitej od -360 do 360");
    parts.startHeading = "-360";
    parts.ruleAngle = "360";
    EXPECT_TRUE(parseWorkspace(parts.text()).workspace.has_value());
}

TEST(BadWorkspaceText, DeepNestingIsRefusedWithoutBuildingIt) {
    const std::string deep = std::string(1'000'000, '[') + std::string(1'000'000, ']');
    EXPECT_EQ(errorOf(deep), "listy są zagnieżdżone zbyt głęboko; to nie jest plik Vemrik");
    FileParts parts;
    parts.strokes = "[[[[[[[[[[1]]]]]]]]]]";
    EXPECT_EQ(errorOf(parts), "listy są zagnieżdżone zbyt głęboko; to nie jest plik Vemrik");
}

TEST(BadWorkspaceText, ANumberBeyondEveryRangeIsRefused) {
    FileParts parts;
    parts.ruleAngle = "1e999";
    EXPECT_EQ(errorOf(parts), "to nie jest plik Vemrik: liczba poza zakresem liczb zmiennoprzecinkowych");
}

TEST(BadWorkspaceText, InvalidUtf8IsNotJson) {
    FileParts parts;
    parts.rules = "[\"1 0 0 0 0 0 0 0 \xC5\"]";
    EXPECT_EQ(errorOf(parts).rfind("to nie jest poprawny JSON", 0), 0u);
}
