// libFuzzer target for the run log reader: any bytes must give either a log or an error naming
// why, never a crash; a log that was read holds what the reader promises (every rule text a rule
// of its row's pattern) and, written out again the way "Zapisz przebieg…" writes, reads back the
// same.
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/run_csv.h"
#include "analysis/run_log_reader.h"
#include "engine/rule_table.h"
#include "workspace/rule_line.h"

namespace {

using namespace vemrik;

void appendNumber(std::string& out, auto v) {
    std::array<char, 48> buf{};
    out.append(buf.data(), std::to_chars(buf.data(), buf.data() + buf.size(), v).ptr);
}

std::string written(const RunLog& log) {
    std::string out(kRunCsvHeader);
    out += '\n';
    for (const LoggedStep& s : log.steps) {
        appendNumber(out, s.step);
        for (const float v : {s.heading, s.x, s.y}) {
            out += ',';
            if (s.hasPose) appendNumber(out, v);
        }
        for (int k = 0; k < 8; ++k) out += ((s.sensors >> k) & 1) != 0 ? ",1" : ",0";
        out += ',';
        appendNumber(out, s.ruleIndex);
        out += ',' + csvField(log.ruleText(s)) + (s.stop ? ",1\n" : ",0\n");
    }
    return out;
}

bool holdsPromises(const RunLog& log) {
    if (log.steps.empty() || log.steps.size() > kMaxLogSteps) return false;
    for (std::size_t i = 0; i < log.steps.size(); ++i) {
        const LoggedStep& s = log.steps[i];
        if (s.step == 0 || (i > 0 && s.step != log.steps[i - 1].step + 1)) return false;
        if (s.hasPose != log.steps[0].hasPose) return false;
        if ((s.ruleIndex == 0) != (s.text < 0)) return false;
        if (s.text >= 0 && (rulePattern(log.ruleText(s)) != s.sensors || ruleLineProblem(log.ruleText(s))))
            return false;
    }
    return true;
}

bool same(const RunLog& a, const RunLog& b) {
    if (a.steps.size() != b.steps.size()) return false;
    for (std::size_t i = 0; i < a.steps.size(); ++i) {
        const LoggedStep &x = a.steps[i], &y = b.steps[i];
        if (x.step != y.step || x.hasPose != y.hasPose || x.heading != y.heading || x.x != y.x ||
            x.y != y.y || x.sensors != y.sensors || x.ruleIndex != y.ruleIndex ||
            a.ruleText(x) != b.ruleText(y) || x.stop != y.stop)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ParsedRunLog read = parseRunLog(text);
    if (!read.log) {
        if (read.error.empty()) __builtin_trap();  // a refusal must say why
        return 0;
    }
    if (!read.error.empty() || !holdsPromises(*read.log)) __builtin_trap();
    const ParsedRunLog again = parseRunLog(written(*read.log));
    if (!again.log || !same(*again.log, *read.log)) __builtin_trap();
    return 0;
}
