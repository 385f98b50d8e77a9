#include "analysis/run_csv.h"

#include <array>
#include <charconv>
#include <type_traits>

#include "platform/decimal.h"
#include "platform/texts.h"

namespace vemrik {

namespace {

template <class Number>
void appendNumber(std::string& out, Number v) {
    if constexpr (std::is_floating_point_v<Number>) {
        char buf[kNumberChars];
        out.append(buf, writeShortest(v, buf));
    } else {
        std::array<char, 24> buf{};
        out.append(buf.data(), std::to_chars(buf.data(), buf.data() + buf.size(), v).ptr);
    }
}

void appendField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void appendRow(std::string& out, const RunRecord& record, const RunRow& r) {
    appendNumber(out, r.step);
    for (const float v : {r.heading, r.x, r.y}) {
        out += ',';
        appendNumber(out, v);
    }
    for (int k = 0; k < 8; ++k) {
        out += ',';
        out += ((r.sensors >> k) & 1u) != 0 ? '1' : '0';
    }
    out += ',';
    appendNumber(out, r.rule + 1);
    out += ',';
    appendField(out, record.ruleText(r));
    out += ',';
    out += r.stop ? '1' : '0';
    out += '\n';
}

std::string sheetCsv(const RunRecord& record) {
    std::vector<std::string> header = {say({"krok", "step"}), say({"kierunek", "heading"}), "x", "y"};
    for (int k = 1; k <= 8; ++k) header.push_back(say({"czujnik {1}", "sensor {1}"}, {std::to_string(k)}));
    header.insert(header.end(),
                  {say({"nr reguły", "rule line"}), say({"reguła", "rule"}), say({"meta", "stop"})});
    std::string out = std::string(kUtf8Bom) + sheetRow(header);
    for (std::size_t i = 0; i < record.rowCount(); ++i) {
        const RunRow& r = record.row(i);
        std::vector<std::string> fields = {std::to_string(r.step), sheetNumber(r.heading), sheetNumber(r.x),
                                           sheetNumber(r.y)};
        for (int k = 0; k < 8; ++k) fields.push_back(((r.sensors >> k) & 1u) != 0 ? "1" : "0");
        fields.insert(fields.end(),
                      {std::to_string(r.rule + 1), std::string(record.ruleText(r)), r.stop ? "1" : "0"});
        out += sheetRow(fields);
    }
    return out;
}

}  // namespace

std::string csvField(std::string_view text) {
    std::string out;
    appendField(out, text);
    return out;
}

std::string runCsv(const RunRecord& record, CsvForm form) {
    if (form == CsvForm::Sheet) return sheetCsv(record);
    std::string out(kRunCsvHeader);
    out += '\n';
    out.reserve(out.size() + record.rowCount() * 64);
    for (std::size_t i = 0; i < record.rowCount(); ++i) appendRow(out, record, record.row(i));
    return out;
}

}  // namespace vemrik
