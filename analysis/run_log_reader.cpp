#include "analysis/run_log_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "analysis/run_csv.h"
#include "engine/rule_table.h"
#include "platform/decimal.h"
#include "platform/files.h"
#include "platform/texts.h"
#include "workspace/rule_line.h"

namespace vemrik {

namespace {

constexpr std::size_t kColumns = 15;
constexpr std::array<std::string_view, kColumns> kColumnNames = {
    "step", "heading", "x",  "y",  "s1",         "s2",        "s3",  "s4",
    "s5",   "s6",      "s7", "s8", "rule_index", "rule_text", "stop"};
constexpr std::size_t kHeading = 1, kFirstSensor = 4, kRuleIndex = 12, kRuleText = 13, kStop = 14;
// The shortest row a log can hold, with its line end: "1,,,,0,0,0,0,0,0,0,0,0,,".
constexpr std::size_t kShortestRow = 25;
// A field shown in a message is cut to this many bytes.
constexpr std::size_t kShownField = 40;

/// A field as a message shows it: in Polish quotes, cut short at a character boundary.
std::string shown(std::string_view field) {
    if (field.size() <= kShownField) return "„" + std::string(field) + "”";
    std::size_t cut = kShownField;
    while (cut > 0 && (static_cast<unsigned char>(field[cut]) & 0xC0u) == 0x80u) --cut;
    return "„" + std::string(field.substr(0, cut)) + "…”";
}

constexpr Text kNotClosed = {"cudzysłów otwierający pole {1} nie jest zamknięty",
                             "the quote opening the field {1} is not closed"};
constexpr Text kAfterQuote = {"po cudzysłowie zamykającym pole {1} jest jeszcze tekst",
                              "there is more text after the quote closing the field {1}"};
constexpr Text kInnerQuote = {"cudzysłów w środku pola {1}; takie pole musi być całe w cudzysłowie",
                              "a quote inside the field {1}; such a field must be quoted whole"};

/// Reads the CSV field at `i`, unquoting as csvField quotes, into `field` when one is given, and
/// leaves `i` on the comma after it or at the line end. Null on success, else what is wrong.
const Text* readField(std::string_view line, std::size_t& i, std::string* field) {
    if (i >= line.size() || line[i] != '"') {
        const std::size_t end = std::min(line.find(',', i), line.size());
        const std::string_view plain = line.substr(i, end - i);
        if (plain.find('"') != std::string_view::npos) return &kInnerQuote;
        if (field) field->assign(plain);
        i = end;
        return nullptr;
    }
    for (++i;; ++i) {
        if (i >= line.size()) return &kNotClosed;
        if (line[i] != '"') {
            if (field) *field += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
            if (field) *field += '"';
            ++i;
        } else {
            break;
        }
    }
    ++i;
    return i < line.size() && line[i] != ',' ? &kAfterQuote : nullptr;
}

/// Splits one line into its CSV fields. Fields past the columns are only counted, so a line of
/// nothing but commas costs no memory. Empty on success; `count` is the line's number of fields.
std::string splitFields(std::string_view line, std::array<std::string, kColumns>& fields,
                        std::size_t& count) {
    count = 0;
    for (std::size_t i = 0;; ++i) {  // ++i: past the comma
        std::string* field = count < kColumns ? &fields[count] : nullptr;
        if (field) field->clear();
        ++count;
        if (const Text* problem = readField(line, i, field))
            return say(*problem, {count <= kColumns ? std::string(kColumnNames[count - 1])
                                                    : say({"nadmiarowe", "in excess"})});
        if (i >= line.size()) return {};
    }
}

/// Digits only: no sign, no blank, nothing after.
template <class Number>
bool readUnsigned(std::string_view field, Number& out) {
    if (field.empty() || field[0] < '0' || field[0] > '9') return false;
    const auto res = std::from_chars(field.data(), field.data() + field.size(), out);
    return res.ec == std::errc{} && res.ptr == field.data() + field.size();
}

bool readFloat(std::string_view field, float& out) {
    if (field.empty() || field[0] == '+' || field[0] == ' ') return false;
    const std::optional<float> v = vemrik::readFloat(field);
    if (!v || !std::isfinite(*v)) return false;
    out = *v;
    return true;
}

bool hasControl(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20u || c == '\x7f') return true;
    return false;
}

/// The texts of a log, each kept once and found again by its hash. A log may name a new text in
/// every row: a million of them must stay quick to find and take little more than themselves.
class TextIndices {
public:
    explicit TextIndices(std::vector<std::string>& texts) : texts_(texts) {}

    /// The index of `text` among the texts, or -1.
    int find(std::string_view text) const {
        if (slots_.empty()) return -1;
        const std::uint32_t hash = hashOf(text);
        for (std::size_t at = hash & mask(); slots_[at].index >= 0; at = (at + 1) & mask())
            if (slots_[at].hash == hash && texts_[static_cast<std::size_t>(slots_[at].index)] == text)
                return slots_[at].index;
        return -1;
    }

    /// Adds a text not among them and gives its index.
    int add(std::string_view text) {
        if (2 * (texts_.size() + 1) > slots_.size()) grow();
        const int index = static_cast<int>(texts_.size());
        texts_.emplace_back(text);
        place({hashOf(text), index});
        return index;
    }

private:
    struct Slot {
        std::uint32_t hash = 0;
        int index = -1;  // -1: empty
    };

    static std::uint32_t hashOf(std::string_view text) {
        return static_cast<std::uint32_t>(std::hash<std::string_view>{}(text));
    }
    std::size_t mask() const { return slots_.size() - 1; }
    void place(Slot slot) {
        std::size_t at = slot.hash & mask();
        while (slots_[at].index >= 0) at = (at + 1) & mask();
        slots_[at] = slot;
    }
    // At most half full, so that a search soon meets an empty slot.
    void grow() {
        const std::vector<Slot> old =
            std::exchange(slots_, std::vector<Slot>(std::max<std::size_t>(64, 2 * slots_.size())));
        for (const Slot& slot : old)
            if (slot.index >= 0) place(slot);
    }

    std::vector<std::string>& texts_;
    std::vector<Slot> slots_;
};

/// Reads the rows after the header, one at a time, into a log.
class RowReader {
public:
    explicit RowReader(RunLog& log) : log_(log) {}

    /// The problem with this row, or empty when it was taken into the log.
    std::string take(std::string_view line) {
        std::size_t count = 0;
        if (std::string problem = splitFields(line, fields_, count); !problem.empty()) return problem;
        if (count != kColumns)
            return say({"jest {1} pól zamiast {2}", "there are {1} fields instead of {2}"},
                       {std::to_string(count), std::to_string(kColumns)});
        LoggedStep s;
        std::string problem = readStep(s);
        if (problem.empty()) problem = readPose(s);
        if (problem.empty()) problem = readSensors(s);
        if (problem.empty()) problem = readRule(s);
        if (problem.empty()) problem = readStop(s);
        if (problem.empty()) log_.steps.push_back(s);
        return problem;
    }

private:
    std::string readStep(LoggedStep& s) const {
        const std::string& f = fields_[0];
        if (!readUnsigned(f, s.step) || s.step == 0)
            return say({"pole step ma wartość {1}; oczekiwano liczby całkowitej od 1",
                        "the field step holds {1}; a whole number from 1 was expected"},
                       {shown(f)});
        if (log_.steps.empty()) return {};
        const std::uint64_t previous = log_.steps.back().step;
        if (previous == std::numeric_limits<std::uint64_t>::max() || s.step != previous + 1)
            return say({"krok {1} po kroku {2}; kroki idą kolejno, więc brakuje wierszy albo są przestawione",
                        "step {1} after step {2}; steps go in order, so rows are missing or swapped"},
                       {f, std::to_string(previous)});
        return {};
    }

    std::string readPose(LoggedStep& s) const {
        int given = 0;
        for (std::size_t c = kHeading; c < kHeading + 3; ++c) given += fields_[c].empty() ? 0 : 1;
        if (given != 0 && given != 3)
            return say({"heading, x i y muszą być podane wszystkie trzy albo żadne",
                        "heading, x and y must be given all three or none"});
        s.hasPose = given == 3;
        if (!log_.steps.empty() && s.hasPose != log_.steps.front().hasPose)
            return s.hasPose ? say({"heading, x i y są podane, a w pierwszym kroku były puste",
                                    "heading, x and y are given, and in the first step they were empty"})
                             : say({"heading, x i y są puste, a w pierwszym kroku były podane",
                                    "heading, x and y are empty, and in the first step they were given"});
        float* const values[] = {&s.heading, &s.x, &s.y};
        for (std::size_t c = kHeading; s.hasPose && c < kHeading + 3; ++c)
            if (!readFloat(fields_[c], *values[c - kHeading]))
                return say({"pole {1} ma wartość {2}; oczekiwano skończonej liczby albo pustego pola",
                            "the field {1} holds {2}; a finite number or an empty field was expected"},
                           {kColumnNames[c], shown(fields_[c])});
        return {};
    }

    std::string readSensors(LoggedStep& s) const {
        for (std::size_t k = 0; k < 8; ++k) {
            const std::string& f = fields_[kFirstSensor + k];
            if (f != "0" && f != "1")
                return say({"pole {1} ma wartość {2}; oczekiwano 0 albo 1",
                            "the field {1} holds {2}; 0 or 1 was expected"},
                           {kColumnNames[kFirstSensor + k], shown(f)});
            if (f == "1") s.sensors = static_cast<std::uint8_t>(s.sensors | (1u << k));
        }
        return {};
    }

    std::string readRule(LoggedStep& s) {
        const std::string& index = fields_[kRuleIndex];
        const std::string& text = fields_[kRuleText];
        if (!readUnsigned(index, s.ruleIndex))
            return say({"pole rule_index ma wartość {1}; oczekiwano liczby całkowitej od 0",
                        "the field rule_index holds {1}; a whole number from 0 was expected"},
                       {shown(index)});
        if (s.ruleIndex == 0)
            return text.empty() ? std::string{}
                                : say({"rule_index jest 0 (żadna reguła), a rule_text nie jest pusty",
                                       "rule_index is 0 (no rule), and rule_text is not empty"});
        if (text.empty())
            return say(
                {"rule_index jest {1}, a rule_text jest pusty", "rule_index is {1}, and rule_text is empty"},
                {index});
        if (hasControl(text))
            return say({"rule_text zawiera znak sterujący", "rule_text holds a control character"});
        if (rulePattern(text) != s.sensors)
            return say({"reguła {1} nie jest regułą dla stanów czujników s1…s8 tego wiersza",
                        "the rule {1} is not a rule for this row's sensor states s1…s8"},
                       {shown(text)});
        return textIndex(text, s.text);
    }

    std::string readStop(LoggedStep& s) const {
        const std::string& f = fields_[kStop];
        if (!f.empty() && f != "0" && f != "1")
            return say({"pole stop ma wartość {1}; oczekiwano 0, 1 albo pustego pola",
                        "the field stop holds {1}; 0, 1 or an empty field was expected"},
                       {shown(f)});
        s.stop = f == "1";
        return {};
    }

    /// Finds the text among those met, or checks it once and adds it. Empty on success.
    std::string textIndex(std::string_view text, int& index) {
        index = texts_.find(text);
        if (index >= 0) return {};
        // A step never acts on a line it cannot read; the verdict is the text's alone.
        if (const std::optional<std::string> problem = ruleLineProblem(text))
            return say({"rule_text {1} nie jest regułą: {2}", "rule_text {1} is not a rule: {2}"},
                       {shown(text), *problem});
        index = texts_.add(text);
        return {};
    }

    RunLog& log_;
    std::array<std::string, kColumns> fields_;
    TextIndices texts_{log_.texts};
};

/// The text's lines one at a time, numbered from 1, with a CR before the line end taken off.
class Lines {
public:
    explicit Lines(std::string_view text) : rest_(text) {}

    bool next(std::string_view& line) {
        if (done_) return false;
        const std::size_t end = rest_.find('\n');
        line = rest_.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++number_;
        if (end == std::string_view::npos) {
            done_ = true;
            // The line end after the last line leaves nothing that counts as a line.
            if (rest_.empty()) return false;
        } else {
            rest_.remove_prefix(end + 1);
        }
        return true;
    }
    int number() const { return number_; }
    /// At most how many lines follow the current one.
    std::size_t linesLeft() const {
        return done_ ? 0 : static_cast<std::size_t>(std::count(rest_.begin(), rest_.end(), '\n')) + 1;
    }
    /// The bytes after the current line.
    std::size_t bytesLeft() const { return done_ ? 0 : rest_.size(); }
    /// Whether no line after the current one holds anything but a line end.
    bool restBlank() const { return done_ || rest_.find_first_not_of("\r\n") == std::string_view::npos; }

private:
    std::string_view rest_;
    int number_ = 0;
    bool done_ = false;
};

ParsedRunLog refused(int line, const std::string& problem) {
    return {std::nullopt, say({"wiersz {1}: {2}", "row {1}: {2}"}, {std::to_string(line), problem})};
}

}  // namespace

ParsedRunLog parseRunLog(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return {std::nullopt, say({"plik jest pusty", "the file is empty"})};
    Lines lines(text);
    std::string_view line;
    RunLog log;
    while (lines.next(line) && line != kRunCsvHeader) ++log.skippedLines;
    if (line != kRunCsvHeader)
        return {
            std::nullopt,
            say({"nie ma wiersza nagłówka „{1}”; to nie jest przebieg zapisany przez Vemrik ani przez robota",
                 "there is no header row “{1}”; this is not a run saved by Vemrik or by the robot"},
                {kRunCsvHeader})};
    // Room for every step at once (grown step by step, the old and the new array would be held
    // together), but no more than the lines left could hold.
    log.steps.reserve(std::min({lines.linesLeft(), lines.bytesLeft() / kShortestRow + 1, kMaxLogSteps}));
    RowReader rows(log);
    while (lines.next(line)) {
        if (line.empty()) {
            if (lines.restBlank()) break;
            return refused(lines.number(), say({"pusty wiersz, a po nim są jeszcze dane",
                                                "an empty row, and data after it"}));
        }
        if (line == kRunCsvHeader)
            return refused(lines.number(),
                           say({"drugi nagłówek; czy płytka uruchomiła się od nowa w trakcie zapisu?",
                                "a second header; did the board start again while writing?"}));
        if (log.steps.size() == kMaxLogSteps)
            return refused(lines.number(), say({"więcej niż {1} kroków", "more than {1} steps"},
                                               {std::to_string(kMaxLogSteps)}));
        if (std::string problem = rows.take(line); !problem.empty()) return refused(lines.number(), problem);
    }
    if (log.steps.empty())
        return {std::nullopt, say({"po nagłówku nie ma żadnego kroku", "no step follows the header"})};
    return {std::move(log), {}};
}

ParsedRunLog readRunLogFile(const std::string& path) {
    FileText file = readTextFile(path, kMaxLogFileBytes);
    if (!file.text) return {std::nullopt, std::move(file.error)};
    return parseRunLog(*file.text);
}

std::vector<RunRow> recordedSteps(const RunLog& log) {
    std::vector<RunRow> rows;
    rows.reserve(log.steps.size());
    for (const LoggedStep& s : log.steps) {
        RunRow r;
        r.step = s.step;
        r.heading = s.heading;
        r.x = s.x;
        r.y = s.y;
        r.rule = s.ruleIndex == 0 ? kNoRule : s.ruleIndex - 1;
        r.ruleText = s.text;
        r.sensors = s.sensors;
        r.stop = s.stop;
        rows.push_back(r);
    }
    return rows;
}

}  // namespace vemrik
