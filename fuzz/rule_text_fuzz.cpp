// libFuzzer target for everything that turns text into rules: the first byte gives the sensor
// states, the rest is a rule list, one rule a line. A step over it either turns and moves the
// robot or fails with a conversion error and changes nothing; the file reader's rule check
// accepts exactly the lines whose angle the step can read.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "algorithm/rule_parse.h"
#include "app/errors.h"
#include "engine/engine.h"
#include "workspace/rule_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vemrik;
    if (size == 0) return 0;
    static Engine engine;  // kept: the step reads no board, and a fresh one would allocate them
    engine.rewriteRun([&](RunSnapshot& run) {
        run.moment.x = run.moment.y = run.moment.heading = 0.0f;
        for (int k = 0; k < kSensorSlots; ++k)
            run.moment.sensors[static_cast<std::size_t>(k)] = (data[0] >> k) & 1;
    });
    const ProgramState& s = engine.state();
    std::vector<std::string> rules;
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        rules.emplace_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    engine.setRules(RuleList(rules));
    for (const std::string& line : rules) {
        if (ruleLineProblem(line)) continue;
        try {
            ruleAngle(line);
        } catch (const ConversionError&) {
            __builtin_trap();  // the file reader let through a line the step cannot read
        }
    }
    const RunMoment before = momentOf(s, false);
    static Memo log;  // kept: a fresh one would allocate its whole ring every run
    log.clear();
    try {
        engine.advance(1, &log);
    } catch (const ConversionError&) {
        if (momentOf(s, false) != before || log.size() != 0)
            __builtin_trap();  // a failed step must leave everything as it was
        return 0;
    }
    if (log.size() != 4 || log.line(1) != "XXX") __builtin_trap();
    return 0;
}
