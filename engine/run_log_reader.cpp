#include "engine/run_log_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <unordered_map>

#include "app/decimal.h"
#include "app/texts.h"
#include "engine/rule_table.h"
#include "engine/run_csv.h"
#include "workspace/workspace_file.h"

namespace vemrik {

namespace {

constexpr std::size_t kColumns = 15;
constexpr std::array<std::string_view, kColumns> kColumnNames = {
    "step", "heading", "x",  "y",  "s1",         "s2",        "s3",  "s4",
    "s5",   "s6",      "s7", "s8", "rule_index", "rule_text", "stop"};
constexpr std::size_t kHeading = 1, kFirstSensor = 4, kRuleIndex = 12, kRuleText = 13, kStop = 14;
// A field shown in a message is cut to this many bytes.
constexpr std::size_t kShownField = 40;

/// A field as a message shows it: in Polish quotes, cut short at a character boundary.
std::string shown(std::string_view field) {
    if (field.size() <= kShownField) return "„" + std::string(field) + "”";
    std::size_t cut = kShownField;
    while (cut > 0 && (static_cast<unsigned char>(field[cut]) & 0xC0u) == 0x80u) --cut;
    return "„" + std::string(field.substr(0, cut)) + "…”";
}

/// Splits one line into its CSV fields, unquoting as csvField quotes; the first `count` strings of
/// `fields` are the line's, the rest kept only for their memory. Empty on success.
std::string splitFields(std::string_view line, std::vector<std::string>& fields, std::size_t& count) {
    count = 0;
    std::size_t i = 0;
    for (;;) {
        if (count == fields.size()) fields.emplace_back();
        std::string& field = fields[count++];
        field.clear();
        const std::string name =
            count <= kColumns ? std::string(kColumnNames[count - 1]) : say({"nadmiarowe", "in excess"});
        if (i < line.size() && line[i] == '"') {
            for (++i;; ++i) {
                if (i >= line.size())
                    return say({"cudzysłów otwierający pole {1} nie jest zamknięty",
                                "the quote opening the field {1} is not closed"},
                               {name});
                if (line[i] != '"') {
                    field += line[i];
                } else if (i + 1 < line.size() && line[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    break;
                }
            }
            ++i;
            if (i < line.size() && line[i] != ',')
                return say({"po cudzysłowie zamykającym pole {1} jest jeszcze tekst",
                            "there is more text after the quote closing the field {1}"},
                           {name});
        } else {
            const std::size_t end = std::min(line.find(',', i), line.size());
            field.assign(line.substr(i, end - i));
            if (field.find('"') != std::string::npos)
                return say({"cudzysłów w środku pola {1}; takie pole musi być całe w cudzysłowie",
                            "a quote inside the field {1}; such a field must be quoted whole"},
                           {name});
            i = end;
        }
        if (i >= line.size()) return {};
        ++i;  // the comma
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
        s.text = textIndex(text);
        return {};
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

    int textIndex(const std::string& text) {
        const auto [at, added] = textIndices_.try_emplace(text, static_cast<int>(log_.texts.size()));
        if (added) log_.texts.push_back(text);
        return at->second;
    }

    RunLog& log_;
    std::vector<std::string> fields_;
    // A log may name a new text in every row; a lookup keeps a million of them quick.
    std::unordered_map<std::string, int> textIndices_;
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
