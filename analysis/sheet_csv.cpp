#include "analysis/sheet_csv.h"

#include <algorithm>

#include "platform/decimal.h"
#include "platform/texts.h"

namespace vemrik {

namespace {

std::string withDecimalSign(std::string text) {
    std::replace(text.begin(), text.end(), '.', decimalSign()[0]);
    return text;
}

}  // namespace

char sheetSeparator() { return decimalSign() == "," ? ';' : ','; }

std::string sheetRow(const std::vector<std::string>& fields) {
    const char separator = sheetSeparator();
    const char special[] = {separator, '"', '\r', '\n', '\0'};
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += separator;
        const std::string& f = fields[i];
        if (f.find_first_of(special) == std::string::npos) {
            out += f;
            continue;
        }
        out += '"';
        for (const char c : f) out += c == '"' ? std::string("\"\"") : std::string(1, c);
        out += '"';
    }
    return out + '\n';
}

std::string sheetNumber(double v) { return withDecimalSign(shortestText(v)); }
std::string sheetNumber(float v) { return withDecimalSign(shortestText(v)); }

std::string sheetPercent(double share) { return withDecimalSign(fixedText(100.0 * share, 1)) + "%"; }

}  // namespace vemrik
