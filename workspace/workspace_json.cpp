#include "workspace/workspace_json.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>

#include "app/program_state.h"
#include "workspace/json_document.h"
#include "workspace/rule_line.h"

namespace vemrik {

namespace {

using Json = nlohmann::json;

// The format nests three deep (file, segment list, segment); anything far deeper is refused
// before it can cost memory.
constexpr int kMaxDepth = 8;

/// A reason the text is not a workspace; only ever thrown and caught inside this file.
struct FormatError {
    std::string message;
};

[[noreturn]] void fail(std::string message) { throw FormatError{std::move(message)}; }

/// A field of the file: its key and its name for the user.
struct Field {
    std::string_view key;
    std::string_view name;
};

constexpr Field kFormat{"format", "format"};
constexpr Field kVersion{"version", "wersja"};
constexpr Field kRobot{"robot", "robot"};
constexpr Field kMap{"map", "mapa"};
constexpr Field kStrokes{"strokes", "pędzel"};
constexpr Field kRules{"rules", "reguły"};
constexpr Field kRuleAngle{"ruleAngle", "kąt reguły"};
constexpr Field kStartHeading{"startHeading", "kierunek startu"};
constexpr Field kFields[] = {kFormat, kVersion, kRobot, kMap, kStrokes, kRules, kRuleAngle, kStartHeading};

std::string where(const Field& f) { return std::string(f.name) + " (\"" + std::string(f.key) + "\")"; }
std::string at(std::size_t i) { return "[" + std::to_string(i) + "]"; }
std::string quotedKey(std::string_view key) {
    return Json(key).dump(-1, ' ', false, Json::error_handler_t::replace);
}

// ---- writing

void writeString(std::string& out, std::string_view s) {
    out += Json(s).dump(-1, ' ', false, Json::error_handler_t::replace);
}

void writeBoard(std::string& out, const Field& f, const Grid& g) {
    out += "  \"" + std::string(f.key) + "\": [\n";
    const int rows = g.length(0);
    for (int y = 0; y < rows; ++y) {
        out += "    \"";
        for (int x = 0; x < g.columns(); ++x) {
            const std::int32_t code = g.at(x, y);
            out += (code >= 0 && code <= 9) ? static_cast<char>('0' + code) : '?';
        }
        out += y + 1 < rows ? "\",\n" : "\"\n";
    }
    out += "  ],\n";
}

void writeStrokes(std::string& out, const Grid& strokes) {
    out += "  \"strokes\": [";
    for (int i = 0; i < strokes.columns(); ++i) {
        out += i == 0 ? "\n    [" : ",\n    [";
        for (int k = 0; k < strokes.length(i); ++k) {
            if (k > 0) out += ", ";
            out += std::to_string(strokes.at(i, k));
        }
        out += "]";
    }
    out += strokes.columns() > 0 ? "\n  ],\n" : "],\n";
}

void writeRules(std::string& out, const std::vector<std::string>& rules) {
    out += "  \"rules\": [";
    for (std::size_t i = 0; i < rules.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        writeString(out, rules[i]);
    }
    out += rules.empty() ? "],\n" : "\n  ],\n";
}

// ---- reading

Json parseJson(std::string_view text) {
    JsonDocument doc = parseJsonDocument(text, kMaxDepth);
    if (!doc.root) fail(std::move(doc.error));
    return std::move(*doc.root);
}

const Json& field(const Json& root, const Field& f) {
    const auto it = root.find(f.key);
    if (it == root.end()) fail("brak pola " + where(f));
    return *it;
}

void checkHeader(const Json& root) {
    if (!root.is_object() || !root.contains("format"))
        fail("to nie jest plik Vemrik: brak pola \"format\" o wartości \"" +
             std::string(kWorkspaceFormatName) + "\"");
    const Json& format = root.at("format");
    if (!format.is_string() || format.get<std::string>() != kWorkspaceFormatName)
        fail("to nie jest plik Vemrik: pole \"format\" musi mieć wartość \"" +
             std::string(kWorkspaceFormatName) + "\"");
    const Json& version = field(root, kVersion);
    if (!version.is_number_integer()) fail(where(kVersion) + ": oczekiwano liczby całkowitej");
    const bool supported = version.is_number_unsigned()
                               ? version.get<std::uint64_t>() == kWorkspaceFormatVersion
                               : version.get<std::int64_t>() == kWorkspaceFormatVersion;
    if (!supported)
        fail("wersja formatu " + version.dump() + " nie jest obsługiwana; ten program czyta wersję " +
             std::to_string(kWorkspaceFormatVersion));
    for (const auto& item : root.items()) {
        const bool known = std::any_of(std::begin(kFields), std::end(kFields),
                                       [&](const Field& f) { return f.key == item.key(); });
        if (!known) fail("nieznane pole " + quotedKey(item.key()));
    }
}

std::string allowedCodes(std::span<const int> codes) {
    std::string s;
    for (const int c : codes) s += (s.empty() ? "" : ", ") + std::to_string(c);
    return s;
}

std::string describeChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= '0' && u <= '9') return "kod " + std::string(1, c);
    if (u >= 0x20 && u < 0x7F) return "znak „" + std::string(1, c) + "”";
    static constexpr char kHex[] = "0123456789ABCDEF";
    return "bajt 0x" + std::string{kHex[u >> 4], kHex[u & 15]};
}

Grid readBoard(const Json& root, const Field& f, int columns, int rows, std::span<const int> codes) {
    const Json& v = field(root, f);
    const std::string name = where(f);
    const std::string shape = std::to_string(rows) + " napisów po " + std::to_string(columns) + " cyfr";
    if (!v.is_array()) fail(name + ": oczekiwano listy " + shape);
    if (v.size() != static_cast<std::size_t>(rows))
        fail(name + ": liczba wierszy " + std::to_string(v.size()) + "; potrzeba " + std::to_string(rows));
    Grid g;
    g.setColumns(columns);
    for (int x = 0; x < columns; ++x) g.setLength(x, rows);
    for (int y = 0; y < rows; ++y) {
        const Json& row = v[static_cast<std::size_t>(y)];
        const std::string rowName = name + ", wiersz " + at(static_cast<std::size_t>(y));
        if (!row.is_string())
            fail(rowName + ": wiersz musi być napisem z " + std::to_string(columns) + " cyfr");
        const std::string& text = row.get_ref<const std::string&>();
        if (text.size() != static_cast<std::size_t>(columns))
            fail(rowName + ": długość " + std::to_string(text.size()) + "; potrzeba " +
                 std::to_string(columns));
        for (int x = 0; x < columns; ++x) {
            const char c = text[static_cast<std::size_t>(x)];
            const bool ok =
                c >= '0' && c <= '9' && std::find(codes.begin(), codes.end(), c - '0') != codes.end();
            if (!ok)
                fail(name + ": komórka [" + std::to_string(x) + "][" + std::to_string(y) + "] ma " +
                     describeChar(c) + "; dozwolone " + allowedCodes(codes));
            g.at(x, y) = c - '0';
        }
    }
    return g;
}

/// A JSON value in a few words, for a message about a value of the wrong kind.
std::string describeValue(const Json& v) {
    if (v.is_number()) return "liczba " + v.dump();
    if (v.is_string()) return "napis";
    if (v.is_array()) return "lista";
    if (v.is_object()) return "obiekt";
    return v.dump();  // null, true, false
}

/// Whether v is an integer from lo to hi.
bool integerWithin(const Json& v, std::int64_t lo, std::int64_t hi) {
    if (v.is_number_unsigned()) return v.get<std::uint64_t>() <= static_cast<std::uint64_t>(hi);
    return v.is_number_integer() && v.get<std::int64_t>() >= lo && v.get<std::int64_t>() <= hi;
}

std::int32_t readCoordinate(const Json& v, const std::string& name) {
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    if (!v.is_number_integer()) fail(name + ": " + describeValue(v) + " zamiast liczby całkowitej");
    if (!integerWithin(v, lo, hi))
        fail(name + ": liczba " + v.dump() + " poza zakresem " + std::to_string(lo) + " … " +
             std::to_string(hi));
    return static_cast<std::int32_t>(v.get<std::int64_t>());
}

Grid readStrokes(const Json& root) {
    const Json& v = field(root, kStrokes);
    const std::string name = where(kStrokes);
    if (!v.is_array()) fail(name + ": oczekiwano listy odcinków [x0, y0, x1, y1]");
    if (v.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        fail(name + ": za dużo odcinków");
    Grid strokes;
    strokes.setColumns(static_cast<int>(v.size()));
    for (std::size_t i = 0; i < v.size(); ++i) {
        const Json& e = v[i];
        const std::string entryName = name + ", odcinek " + at(i);
        if (!e.is_array() || e.size() != 4)
            fail(entryName + ": odcinek musi być listą czterech liczb całkowitych [x0, y0, x1, y1]");
        const int col = static_cast<int>(i);
        strokes.setLength(col, 4);
        for (int k = 0; k < 4; ++k)
            strokes.at(col, k) = readCoordinate(e[static_cast<std::size_t>(k)],
                                                entryName + ", liczba " + at(static_cast<std::size_t>(k)));
    }
    return strokes;
}

std::vector<std::string> readRules(const Json& root) {
    const Json& v = field(root, kRules);
    const std::string name = where(kRules);
    if (!v.is_array()) fail(name + ": oczekiwano listy napisów, np. [\"1 0 0 0 0 0 0 1 -30\"]");
    std::vector<std::string> rules;
    rules.reserve(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        const std::string ruleName = name + ", reguła " + at(i);
        if (!v[i].is_string()) fail(ruleName + ": reguła musi być napisem");
        const std::string& line = v[i].get_ref<const std::string&>();
        if (const auto problem = ruleLineProblem(line)) fail(ruleName + ": " + *problem);
        rules.push_back(line);
    }
    return rules;
}

int readPosition(const Json& root, const Field& f) {
    const Json& v = field(root, f);
    if (!integerWithin(v, -360, 360))
        fail(where(f) + ": " + describeValue(v) + "; potrzeba liczby całkowitej od -360 do 360");
    return static_cast<int>(v.get<std::int64_t>());
}

Workspace readWorkspace(const Json& root) {
    static constexpr int kRobotCodes[] = {kRobotEmpty, kBody, kWheel, kSensor, kDoubleHalf};
    static constexpr int kMapCodes[] = {kMapEmpty, kLine, kStart, kStop};
    checkHeader(root);
    Workspace ws;
    ws.robot = readBoard(root, kRobot, kRobotCells, kRobotCells, kRobotCodes);
    ws.map = readBoard(root, kMap, kMapColumns, kMapRows, kMapCodes);
    ws.strokes = readStrokes(root);
    ws.rules = readRules(root);
    ws.ruleAngle = readPosition(root, kRuleAngle);
    ws.startHeading = readPosition(root, kStartHeading);
    return ws;
}

}  // namespace

std::string toJson(const Workspace& ws) {
    std::string out = "{\n";
    out += "  \"format\": \"" + std::string(kWorkspaceFormatName) + "\",\n";
    out += "  \"version\": " + std::to_string(kWorkspaceFormatVersion) + ",\n";
    writeBoard(out, kRobot, ws.robot);
    writeBoard(out, kMap, ws.map);
    writeStrokes(out, ws.strokes);
    writeRules(out, ws.rules);
    out += "  \"ruleAngle\": " + std::to_string(ws.ruleAngle) + ",\n";
    out += "  \"startHeading\": " + std::to_string(ws.startHeading) + "\n";
    out += "}\n";
    return out;
}

ParsedWorkspace parseWorkspace(std::string_view text) {
    try {
        return {readWorkspace(parseJson(text)), {}};
    } catch (const FormatError& e) {
        return {std::nullopt, e.message};
    }
}

}  // namespace vemrik
