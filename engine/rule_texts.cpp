#include "engine/rule_texts.h"

#include <algorithm>

#include "algorithm/rule_text.h"

namespace vemrik {

namespace {

std::string number(int n) { return std::to_string(n); }

// Polish needs three forms: 1 czujnik, 2 czujniki, 5 czujników.
std::string counted(int n, const char* one, const char* few, const char* many) {
    const int tens = n % 100, ones = n % 10;
    const bool isFew = ones >= 2 && ones <= 4 && (tens < 12 || tens > 14);
    return number(n) + " " + (n == 1 ? one : isFew ? few : many);
}

std::string lineName(int line) { return "Linia " + number(line + 1); }

std::string angleOf(const std::string& rule) {
    return rule.size() > kPatternLength ? rule.substr(kPatternLength) : std::string();
}

std::string patternText(int pattern) { return cubeText({kPatternCount - 1, pattern}, kSensorSlots); }

std::string robotSensors(int sensors) {
    return sensors == 0 ? "robot nie ma czujników"
                        : "robot ma tylko " + counted(sensors, "czujnik", "czujniki", "czujników");
}

std::string neverActs(const Finding& f, int sensors) {
    const std::string head = lineName(f.line) + " nigdy nie zadziała: ";
    switch (f.fate) {
        case LineFate::NoPattern:
            return head +
                   "jej pierwsze 16 znaków to nie wzorzec czujników (osiem cyfr 0 lub 1, każda ze spacją).";
        case LineFate::MissingSensor:
            return head + "ma 1 dla czujnika " + number(f.sensor + 1) + ", a " + robotSensors(sensors) + ".";
        default: {
            std::string earlier;
            for (const int e : f.earlier) earlier += (earlier.empty() ? "" : ", ") + number(e + 1);
            return head + "jej wzorzec mają już 4 wcześniejsze reguły (linie " + earlier +
                   "), a krok bierze tylko pierwsze 4.";
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
        sensors == 0 ? "Robot nie ma czujników, więc daje tylko wzorzec 0 0 0 0 0 0 0 0."
                     : "Robot ma " + counted(sensors, "czujnik", "czujniki", "czujników") +
                           ", więc może dać " + counted(1 << sensors, "wzorzec", "wzorce", "wzorców") + ".";
    return robot + (findings == 0 ? " Nie ma uwag: każda linia może zadziałać, a każdy wzorzec ma regułę."
                                  : " Uwagi: " + number(static_cast<int>(findings)) + ".");
}

std::string findingText(const Finding& f, const std::vector<std::string>& rules, int sensors) {
    const std::string rule = f.line >= 0 ? rules[static_cast<std::size_t>(f.line)] : std::string();
    switch (f.kind) {
        case Finding::BadAngle: {
            const std::string angle = angleOf(rule);
            return lineName(f.line) + ": " +
                   (angle.empty() ? "brak kąta" : "nie da się odczytać kąta „" + angle + "”") +
                   "; krok przy wzorcu " + patternText(rulePattern(rule)) + " zakończy się błędem.";
        }
        case Finding::NeverActs:
            return neverActs(f, sensors);
        case Finding::NoRule: {
            const int size = f.cube.size(sensors);
            const std::string many =
                size > 1 ? " (" + counted(size, "układ", "układy", "układów") + " czujników)" : "";
            return "Wzorzec " + cubeText(f.cube, sensors) + many +
                   ": żadna reguła nie pasuje, robot jedzie prosto.";
        }
        case Finding::Repeated:
            return lineName(f.line) + " powtarza kąt " + angleOf(rule) + " linii " +
                   number(f.earlier[0] + 1) +
                   " przy tym samym wzorcu. To nie błąd, ale ten kąt ma przez to szansę " + fraction(f.with) +
                   " zamiast " + fraction(f.without) + ", a jazda prosto " + fraction(f.straightWith) +
                   " zamiast " + fraction(f.straightWithout) + ".";
    }
    return {};
}

std::string matchVerdict(int line, const LineReading& reading, const PatternOdds& odds) {
    if (reading.rank >= kMaxCandidates) return "nie zadziała: wcześniej pasują już 4 reguły";
    if (line == odds.fault) return "nie da się odczytać kąta: krok zakończy się błędem";
    if (odds.fault >= 0) return "krok zakończy się błędem na linii " + number(odds.fault + 1);
    return "szansa " + chanceText(odds.each());
}

std::string straightVerdict(const PatternOdds& odds) {
    if (odds.fault >= 0) return "prosto: krok zakończy się błędem na linii " + number(odds.fault + 1);
    return "prosto: szansa " + chanceText(odds.each());
}

}  // namespace vemrik
