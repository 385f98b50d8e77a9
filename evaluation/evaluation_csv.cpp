#include "evaluation/evaluation_csv.h"

#include "platform/decimal.h"
#include "platform/texts.h"

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

namespace {

std::string spokenOutcome(Outcome o) {
    switch (o) {
        case Outcome::Success:
            return say({"sukces", "success"});
        case Outcome::Lost:
            return say({"zgubiony", "lost"});
        case Outcome::Timeout:
            return say({"limit kroków", "step limit"});
        case Outcome::Cancelled:
            return say({"przerwany", "cancelled"});
    }
    return "?";
}

std::vector<std::string> sheetHeader(bool sweep) {
    std::vector<std::string> header = {say({"przebieg", "run"}),
                                       say({"ziarno", "seed"}),
                                       say({"wynik", "outcome"}),
                                       say({"kroki", "steps"}),
                                       "x",
                                       "y",
                                       say({"kierunek", "heading"})};
    if (sweep) header.insert(header.begin(), say({"poziom zakłóceń", "noise level"}));
    return header;
}

/// The runs' rows, each after `lead` when given.
std::string sheetRows(const Evaluation& e, const std::string* lead) {
    std::string text;
    for (const EvaluatedRun& r : e.runs) {
        std::vector<std::string> fields = {std::to_string(r.run),           std::to_string(r.seed),
                                           spokenOutcome(r.result.outcome), std::to_string(r.result.steps),
                                           sheetNumber(r.result.x),         sheetNumber(r.result.y),
                                           sheetNumber(r.result.heading)};
        if (lead) fields.insert(fields.begin(), *lead);
        text += sheetRow(fields);
    }
    return text;
}

}  // namespace

std::string csvText(const Evaluation& e, CsvForm form) {
    if (form == CsvForm::Sheet)
        return std::string(kUtf8Bom) + sheetRow(sheetHeader(false)) + sheetRows(e, nullptr);
    std::string text = "run,seed,outcome,steps,x,y,heading\n";
    for (const EvaluatedRun& r : e.runs) {
        text += std::to_string(r.run) + ',' + std::to_string(r.seed) + ',' + outcomeName(r.result.outcome) +
                ',' + std::to_string(r.result.steps) + ',' + shortestText(r.result.x) + ',' +
                shortestText(r.result.y) + ',' + shortestText(r.result.heading) + '\n';
    }
    return text;
}

std::string sweepCsvText(const std::vector<SweepPoint>& sweep, CsvForm form) {
    if (form == CsvForm::Sheet) {
        std::string text = std::string(kUtf8Bom) + sheetRow(sheetHeader(true));
        for (const SweepPoint& p : sweep) {
            const std::string level = sheetNumber(p.level);
            text += sheetRows(p.evaluation, &level);
        }
        return text;
    }
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
