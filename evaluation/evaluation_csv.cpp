#include "evaluation/evaluation_csv.h"

#include "platform/decimal.h"

namespace vemrik {

const char* outcomeName(Outcome o) {
    switch (o) {
        case Outcome::Success:
            return "success";
        case Outcome::Lost:
            return "lost";
        case Outcome::Timeout:
            return "timeout";
        case Outcome::Cancelled:
            return "cancelled";
    }
    return "?";
}

std::string csvText(const Evaluation& e) {
    std::string text = "run,seed,outcome,steps,x,y,heading\n";
    for (const EvaluatedRun& r : e.runs) {
        text += std::to_string(r.run) + ',' + std::to_string(r.seed) + ',' + outcomeName(r.result.outcome) +
                ',' + std::to_string(r.result.steps) + ',' + shortestText(r.result.x) + ',' +
                shortestText(r.result.y) + ',' + shortestText(r.result.heading) + '\n';
    }
    return text;
}

std::string sweepCsvText(const std::vector<SweepPoint>& sweep) {
    std::string text = "level,run,seed,outcome,steps,x,y,heading\n";
    for (const SweepPoint& p : sweep) {
        const std::string level = shortestText(p.level);
        const std::string rows = csvText(p.evaluation);
        for (std::size_t from = rows.find('\n') + 1; from < rows.size();) {
            const std::size_t end = rows.find('\n', from) + 1;
            text += level + ',' + rows.substr(from, end - from);
            from = end;
        }
    }
    return text;
}

}  // namespace vemrik
