#include "workspace/workspace_json.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <span>

#include "app/program_state.h"
#include "platform/texts.h"
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

using Field = JsonField;

constexpr Field kFormat{"format", {"format", "format"}};
constexpr Field kVersion{"version", {"wersja", "version"}};
constexpr Field kRobot{"robot", {"robot", "robot"}};
constexpr Field kMap{"map", {"mapa", "map"}};
constexpr Field kStrokes{"strokes", {"pędzel", "brush"}};
constexpr Field kRules{"rules", {"reguły", "rules"}};
constexpr Field kRuleAngle{"ruleAngle", {"kąt reguły", "rule angle"}};
constexpr Field kStartHeading{"startHeading", {"kierunek startu", "start heading"}};
constexpr Field kFields[] = {kFormat, kVersion, kRobot, kMap, kStrokes, kRules, kRuleAngle, kStartHeading};

std::string at(std::size_t i) { return "[" + std::to_string(i) + "]"; }

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

const Json& field(const Json& root, const Field& f) {
    const auto it = root.find(f.key);
    if (it == root.end()) fail(say({"brak pola {1}", "the field {1} is missing"}, {fieldName(f)}));
    return *it;
}

void checkHeader(const Json& root) {
    if (!root.is_object() || !root.contains("format"))
        fail(say({"to nie jest plik Vemrik: brak pola \"format\" o wartości \"{1}\"",
                  "this is not a Vemrik file: there is no field \"format\" with the value \"{1}\""},
                 {kWorkspaceFormatName}));
    const Json& format = root.at("format");
    if (!format.is_string() || format.get<std::string>() != kWorkspaceFormatName)
        fail(say({"to nie jest plik Vemrik: pole \"format\" musi mieć wartość \"{1}\"",
                  "this is not a Vemrik file: the field \"format\" must have the value \"{1}\""},
                 {kWorkspaceFormatName}));
    const Json& version = field(root, kVersion);
    if (!version.is_number_integer())
        fail(say({"{1}: oczekiwano liczby całkowitej", "{1}: a whole number was expected"},
                 {fieldName(kVersion)}));
    const bool supported = version.is_number_unsigned()
                               ? version.get<std::uint64_t>() == kWorkspaceFormatVersion
                               : version.get<std::int64_t>() == kWorkspaceFormatVersion;
    if (!supported)
        fail(say({"wersja formatu {1} nie jest obsługiwana; ten program czyta wersję {2}",
                  "format version {1} is not supported; this program reads version {2}"},
                 {version.dump(), std::to_string(kWorkspaceFormatVersion)}));
    for (const auto& item : root.items()) {
        const bool known = std::any_of(std::begin(kFields), std::end(kFields),
                                       [&](const Field& f) { return f.key == item.key(); });
        if (!known) fail(say({"nieznane pole {1}", "unknown field {1}"}, {jsonQuoted(item.key())}));
    }
}

std::string allowedCodes(std::span<const int> codes) {
    std::string s;
    for (const int c : codes) s += (s.empty() ? "" : ", ") + std::to_string(c);
    return s;
}

std::string describeChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= '0' && u <= '9') return say({"kod {1}", "code {1}"}, {std::string(1, c)});
    if (u >= 0x20 && u < 0x7F) return say({"znak „{1}”", "the character “{1}”"}, {std::string(1, c)});
    static constexpr char kHex[] = "0123456789ABCDEF";
    return say({"bajt 0x{1}", "byte 0x{1}"}, {std::string{kHex[u >> 4], kHex[u & 15]}});
}

Grid readBoard(const Json& root, const Field& f, int columns, int rows, std::span<const int> codes) {
    const Json& v = field(root, f);
    const std::string name = fieldName(f);
    if (!v.is_array())
        fail(say({"{1}: oczekiwano listy {2} napisów po {3} cyfr",
                  "{1}: a list of {2} strings of {3} digits was expected"},
                 {name, std::to_string(rows), std::to_string(columns)}));
    if (v.size() != static_cast<std::size_t>(rows))
        fail(say({"{1}: liczba wierszy {2}; potrzeba {3}", "{1}: {2} rows; {3} are needed"},
                 {name, std::to_string(v.size()), std::to_string(rows)}));
    Grid g;
    g.setColumns(columns);
    for (int x = 0; x < columns; ++x) g.setLength(x, rows);
    for (int y = 0; y < rows; ++y) {
        const Json& row = v[static_cast<std::size_t>(y)];
        const std::string rowName =
            say({"{1}, wiersz {2}", "{1}, row {2}"}, {name, at(static_cast<std::size_t>(y))});
        if (!row.is_string())
            fail(say({"{1}: wiersz musi być napisem z {2} cyfr", "{1}: a row must be a string of {2} digits"},
                     {rowName, std::to_string(columns)}));
        const std::string& text = row.get_ref<const std::string&>();
        if (text.size() != static_cast<std::size_t>(columns))
            fail(say({"{1}: długość {2}; potrzeba {3}", "{1}: length {2}; {3} is needed"},
                     {rowName, std::to_string(text.size()), std::to_string(columns)}));
        for (int x = 0; x < columns; ++x) {
            const char c = text[static_cast<std::size_t>(x)];
            const bool ok =
                c >= '0' && c <= '9' && std::find(codes.begin(), codes.end(), c - '0') != codes.end();
            if (!ok)
                fail(say({"{1}: komórka [{2}][{3}] ma {4}; dozwolone {5}",
                          "{1}: cell [{2}][{3}] holds {4}; allowed are {5}"},
                         {name, std::to_string(x), std::to_string(y), describeChar(c), allowedCodes(codes)}));
            g.at(x, y) = c - '0';
        }
    }
    return g;
}

/// A JSON value in a few words, for a message about a value of the wrong kind.
std::string describeValue(const Json& v) {
    if (v.is_number()) return say({"liczba {1}", "the number {1}"}, {v.dump()});
    if (v.is_string()) return say({"napis", "a string"});
    if (v.is_array()) return say({"lista", "a list"});
    if (v.is_object()) return say({"obiekt", "an object"});
    return v.dump();  // null, true, false
}

/// Whether v is an integer from lo to hi.
bool integerWithin(const Json& v, std::int64_t lo, std::int64_t hi) {
    if (v.is_number_unsigned()) return v.get<std::uint64_t>() <= static_cast<std::uint64_t>(hi);
    return v.is_number_integer() && v.get<std::int64_t>() >= lo && v.get<std::int64_t>() <= hi;
}

/// `name` names the number in a message, and is asked only for one.
std::int32_t readCoordinate(const Json& v, const std::function<std::string()>& name) {
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    if (!v.is_number_integer())
        fail(say({"{1}: {2} zamiast liczby całkowitej", "{1}: {2} instead of a whole number"},
                 {name(), describeValue(v)}));
    if (!integerWithin(v, lo, hi))
        fail(say(
            {"{1}: liczba {2} poza zakresem {3} … {4}", "{1}: the number {2} is outside the range {3} … {4}"},
            {name(), v.dump(), std::to_string(lo), std::to_string(hi)}));
    return static_cast<std::int32_t>(v.get<std::int64_t>());
}

/// Segments and rules taken while the JSON is parsed, so that a file of millions of them never
/// holds them all as JSON values as well: of each list, every entry up to the first that is not a
/// segment (four whole numbers in range) or a rule. That one and those after it stay in the
/// document, where readStrokes and readRules find them for their message.
class EarlyLists {
public:
    /// A JsonTaker: false for an entry taken.
    bool take(int depth, Json::parse_event_t event, Json& parsed) {
        using Event = Json::parse_event_t;
        if (depth == 1) {
            if (event == Event::key) key_ = parsed.get<std::string>();
            list_ = event != Event::array_start ? nullptr
                    : key_ == kStrokes.key      ? &stoppedSegments_
                    : key_ == kRules.key        ? &stoppedRules_
                                                : nullptr;
            return true;
        }
        const bool endsEntry =
            event == Event::value || event == Event::array_end || event == Event::object_end;
        if (!list_ || *list_ || depth != 2 || !endsEntry) return true;
        const bool taken = list_ == &stoppedSegments_ ? takeSegment(parsed) : takeRule(parsed);
        *list_ = !taken;
        return !taken;
    }

    /// The segments taken, in file order; handed over once.
    Grid segments() { return std::move(segments_); }
    /// The rules taken, in file order; handed over once.
    std::vector<std::string> rules() { return std::move(rules_); }

private:
    bool takeSegment(const Json& v) {
        constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
        constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
        if (!v.is_array() || v.size() != 4 ||
            !std::all_of(v.begin(), v.end(), [](const Json& n) { return integerWithin(n, lo, hi); }))
            return false;
        const int col = segments_.columns();
        segments_.setColumns(col + 1);
        segments_.setLength(col, 4);
        for (int k = 0; k < 4; ++k)
            segments_.at(col, k) =
                static_cast<std::int32_t>(v[static_cast<std::size_t>(k)].get<std::int64_t>());
        return true;
    }

    bool takeRule(Json& v) {
        if (!v.is_string() || ruleLineProblem(v.get_ref<const std::string&>())) return false;
        rules_.push_back(std::move(v.get_ref<std::string&>()));
        return true;
    }

    std::string key_;  // of the top-level field being parsed
    // Whether the list being parsed has met an entry it leaves in the document; null outside both.
    bool* list_ = nullptr;
    bool stoppedSegments_ = false;
    bool stoppedRules_ = false;
    Grid segments_;
    std::vector<std::string> rules_;
};

Json parseJson(std::string_view text, EarlyLists& early) {
    JsonDocument doc =
        parseJsonDocument(text, kMaxDepth, [&early](int depth, Json::parse_event_t event, Json& parsed) {
            return early.take(depth, event, parsed);
        });
    if (!doc.root) fail(std::move(doc.error));
    return std::move(*doc.root);
}

/// The segments taken early, then those left in the document, which are checked one by one.
Grid readStrokes(const Json& root, EarlyLists& early) {
    const Json& v = field(root, kStrokes);
    const std::string name = fieldName(kStrokes);
    if (!v.is_array())
        fail(say({"{1}: oczekiwano listy odcinków [x0, y0, x1, y1]",
                  "{1}: a list of segments [x0, y0, x1, y1] was expected"},
                 {name}));
    Grid strokes = early.segments();
    const auto first = static_cast<std::size_t>(strokes.columns());
    if (first + v.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        fail(say({"{1}: za dużo odcinków", "{1}: too many segments"}, {name}));
    strokes.setColumns(static_cast<int>(first + v.size()));
    for (std::size_t i = first; i < first + v.size(); ++i) {
        const Json& e = v[i - first];
        // Named only for a message: a file may hold millions of segments.
        const auto entryName = [&] { return say({"{1}, odcinek {2}", "{1}, segment {2}"}, {name, at(i)}); };
        if (!e.is_array() || e.size() != 4)
            fail(say({"{1}: odcinek musi być listą czterech liczb całkowitych [x0, y0, x1, y1]",
                      "{1}: a segment must be a list of four whole numbers [x0, y0, x1, y1]"},
                     {entryName()}));
        const int col = static_cast<int>(i);
        strokes.setLength(col, 4);
        for (int k = 0; k < 4; ++k)
            strokes.at(col, k) = readCoordinate(e[static_cast<std::size_t>(k)], [&] {
                return say({"{1}, liczba {2}", "{1}, number {2}"},
                           {entryName(), at(static_cast<std::size_t>(k))});
            });
    }
    return strokes;
}

/// The rules taken early, then those left in the document, which are checked one by one.
std::vector<std::string> readRules(const Json& root, EarlyLists& early) {
    const Json& v = field(root, kRules);
    const std::string name = fieldName(kRules);
    if (!v.is_array())
        fail(say({"{1}: oczekiwano listy napisów, np. [\"1 0 0 0 0 0 0 1 -30\"]",
                  "{1}: a list of strings was expected, e.g. [\"1 0 0 0 0 0 0 1 -30\"]"},
                 {name}));
    std::vector<std::string> rules = early.rules();
    const std::size_t first = rules.size();
    rules.reserve(first + v.size());
    for (std::size_t i = first; i < first + v.size(); ++i) {
        const auto ruleName = [&] { return say({"{1}, reguła {2}", "{1}, rule {2}"}, {name, at(i)}); };
        const Json& entry = v[i - first];
        if (!entry.is_string())
            fail(say({"{1}: reguła musi być napisem", "{1}: a rule must be a string"}, {ruleName()}));
        const std::string& line = entry.get_ref<const std::string&>();
        if (const auto problem = ruleLineProblem(line)) fail(ruleName() + ": " + *problem);
        rules.push_back(line);
    }
    return rules;
}

int readPosition(const Json& root, const Field& f) {
    const Json& v = field(root, f);
    if (!integerWithin(v, -360, 360))
        fail(say({"{1}: {2}; potrzeba liczby całkowitej od -360 do 360",
                  "{1}: {2}; a whole number from -360 to 360 is needed"},
                 {fieldName(f), describeValue(v)}));
    return static_cast<int>(v.get<std::int64_t>());
}

Workspace readWorkspace(const Json& root, EarlyLists& early) {
    static constexpr int kRobotCodes[] = {kRobotEmpty, kBody, kWheel, kSensor, kDoubleHalf};
    static constexpr int kMapCodes[] = {kMapEmpty, kLine, kStart, kStop};
    checkHeader(root);
    Workspace ws;
    ws.robot = readBoard(root, kRobot, kRobotCells, kRobotCells, kRobotCodes);
    ws.map = readBoard(root, kMap, kMapColumns, kMapRows, kMapCodes);
    ws.strokes = readStrokes(root, early);
    ws.rules = readRules(root, early);
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
        EarlyLists early;
        const Json root = parseJson(text, early);
        return {readWorkspace(root, early), {}};
    } catch (const FormatError& e) {
        return {std::nullopt, e.message};
    }
}

}  // namespace vemrik
