#include "analysis/rule_texts.h"

#include <algorithm>

#include "algorithm/rule_text.h"
#include "platform/texts.h"

namespace vemrik {

namespace {

std::string number(int n) { return std::to_string(n); }

constexpr CountedText kSensors{{"czujnik", "sensor"}, {"czujniki", "sensors"}, {"czujników", "sensors"}};
constexpr CountedText kPatterns{{"wzorzec", "pattern"}, {"wzorce", "patterns"}, {"wzorców", "patterns"}};
// Locative after "po": po 1 kroku, po 2 krokach.
constexpr CountedText kStepsAfter{{"kroku", "step"}, {"krokach", "steps"}, {"krokach", "steps"}};
constexpr CountedText kLayouts{{"układ", "layout"}, {"układy", "layouts"}, {"układów", "layouts"}};

std::string lineName(int line) { return say({"Linia {1}", "Line {1}"}, {number(line + 1)}); }

std::string angleOf(const std::string& rule) {
    return rule.size() > kPatternLength ? rule.substr(kPatternLength) : std::string();
}

std::string patternText(int pattern) { return cubeText({kPatternCount - 1, pattern}, kSensorSlots); }

std::string robotSensors(int sensors) {
    return sensors == 0
               ? say({"robot nie ma czujników", "the robot has no sensors"})
               : say({"robot ma tylko {1}", "the robot has only {1}"}, {sayCounted(sensors, kSensors)});
}

std::string neverActs(const Finding& f, int sensors) {
    const std::string line = lineName(f.line);
    switch (f.fate) {
        case LineFate::NoPattern:
            return say(
                {"{1} nigdy nie zadziała: jej pierwsze 16 znaków to nie wzorzec czujników (osiem cyfr 0 "
                 "lub 1, każda ze spacją).",
                 "{1} never acts: its first 16 characters are not a sensor pattern (eight digits 0 or 1, "
                 "each with a space)."},
                {line});
        case LineFate::MissingSensor:
            return say({"{1} nigdy nie zadziała: ma 1 dla czujnika {2}, a {3}.",
                        "{1} never acts: it has 1 for sensor {2}, and {3}."},
                       {line, number(f.sensor + 1), robotSensors(sensors)});
        default: {
            std::string earlier;
            for (const int e : f.earlier) earlier += (earlier.empty() ? "" : ", ") + number(e + 1);
            return say(
                {"{1} nigdy nie zadziała: jej wzorzec mają już 4 wcześniejsze reguły (linie {2}), a krok "
                 "bierze tylko pierwsze 4.",
                 "{1} never acts: 4 earlier rules have its pattern already (lines {2}), and a step takes "
                 "only the first 4."},
                {line, earlier});
        }
    }
}

std::string fraction(Chance c) { return number(c.num) + "/" + number(c.den); }

}  // namespace

std::string chanceText(Chance c) {
    const int percent = (200 * c.num / c.den + 1) / 2;  // rounded half up
    return fraction(c) + " (" + number(percent) + " %)";
}

std::string cubeText(PatternCube cube, int sensors) {
    std::string out;
    for (int k = 0; k < kSensorSlots; ++k) {
        if (k > 0) out += ' ';
        const bool free = k < sensors && !(cube.fixed >> k & 1);
        out += free ? '*' : (cube.bits >> k & 1) ? '1' : '0';
    }
    return out;
}

std::string checkSummary(std::size_t findings, int sensors) {
    const std::string robot =
        sensors == 0 ? say({"Robot nie ma czujników, więc daje tylko wzorzec 0 0 0 0 0 0 0 0.",
                            "The robot has no sensors, so it gives only the pattern 0 0 0 0 0 0 0 0."})
                     : say({"Robot ma {1}, więc może dać {2}.", "The robot has {1}, so it can give {2}."},
                           {sayCounted(sensors, kSensors), sayCounted(1 << sensors, kPatterns)});
    return robot + " " +
           (findings == 0 ? say({"Nie ma uwag: każda linia może zadziałać, a każdy wzorzec ma regułę.",
                                 "No findings: every line can act and every pattern has a rule."})
                          : say({"Uwagi: {1}.", "Findings: {1}."}, {number(static_cast<int>(findings))}));
}

std::string findingText(const Finding& f, const std::vector<std::string>& rules, int sensors) {
    const std::string rule = f.line >= 0 ? rules[static_cast<std::size_t>(f.line)] : std::string();
    switch (f.kind) {
        case Finding::BadAngle: {
            const std::string angle = angleOf(rule);
            const std::string problem =
                angle.empty()
                    ? say({"brak kąta", "no angle"})
                    : say({"nie da się odczytać kąta „{1}”", "the angle “{1}” cannot be read"}, {angle});
            return say({"{1}: {2}; krok przy wzorcu {3} zakończy się błędem.",
                        "{1}: {2}; a step at the pattern {3} will fail."},
                       {lineName(f.line), problem, patternText(rulePattern(rule))});
        }
        case Finding::NeverActs:
            return neverActs(f, sensors);
        case Finding::NoRule: {
            const int size = f.cube.size(sensors);
            const std::string many =
                size > 1 ? say({" ({1} czujników)", " ({1} of the sensors)"}, {sayCounted(size, kLayouts)})
                         : "";
            return say({"Wzorzec {1}{2}: żadna reguła nie pasuje, robot jedzie prosto.",
                        "Pattern {1}{2}: no rule matches, the robot drives straight on."},
                       {cubeText(f.cube, sensors), many});
        }
        case Finding::Repeated:
            return say(
                {"{1} powtarza kąt {2} linii {3} przy tym samym wzorcu. To nie błąd, ale ten kąt ma przez to "
                 "szansę {4} zamiast {5}, a jazda prosto {6} zamiast {7}.",
                 "{1} repeats the angle {2} of line {3} at the same pattern. That is no fault, but it gives "
                 "the angle the odds {4} instead of {5}, and driving straight on {6} instead of {7}."},
                {lineName(f.line), angleOf(rule), number(f.earlier[0] + 1), fraction(f.with),
                 fraction(f.without), fraction(f.straightWith), fraction(f.straightWithout)});
        case Finding::UnseenStop:
            return say(
                {"Czujniki robota nie najadą na pole Stop: w próbnym przebiegu (ziarno {1}) po {2} robot "
                 "przejechał nad polem Stop, a żaden czujnik go nie dotknął. Przesuń czujniki tak, by "
                 "któryś najeżdżał na pole Stop.",
                 "The robot's sensors will not run over the stop cell: in a trial run (seed {1}), after {2} "
                 "the robot drove over the stop cell and no sensor touched it. Move the sensors so that "
                 "one of them runs over the stop cell."},
                {std::to_string(f.seed), sayCounted(f.steps, kStepsAfter)});
    }
    return {};
}

std::string matchVerdict(int line, const LineReading& reading, const PatternOdds& odds) {
    if (reading.rank >= kMaxCandidates)
        return say(
            {"nie zadziała: wcześniej pasują już 4 reguły", "never acts: 4 earlier rules match already"});
    if (line == odds.fault)
        return say({"nie da się odczytać kąta: krok zakończy się błędem",
                    "the angle cannot be read: the step will fail"});
    if (odds.fault >= 0)
        return say({"krok zakończy się błędem na linii {1}", "the step will fail at line {1}"},
                   {number(odds.fault + 1)});
    return say({"szansa {1}", "odds {1}"}, {chanceText(odds.each())});
}

std::string straightVerdict(const PatternOdds& odds) {
    if (odds.fault >= 0)
        return say(
            {"prosto: krok zakończy się błędem na linii {1}", "straight on: the step will fail at line {1}"},
            {number(odds.fault + 1)});
    return say({"prosto: szansa {1}", "straight on: odds {1}"}, {chanceText(odds.each())});
}

}  // namespace vemrik
