#include "ui/evaluation_texts.h"

#include <algorithm>

#include "engine/run_history.h"

namespace vemrik {

namespace {

constexpr int kStepsBeforeEnd = 20;

}  // namespace

std::string sweepRefusal(const Noise& noise) {
    if (noise.any()) return {};
    return say(EvaluationTexts::needsNoise);
}

std::string evaluatedRunRefusal(bool workChanged, int steps) {
    if (workChanged)
        return say(
            {"Robot, mapa lub reguły zmieniły się od oceny: oceń jeszcze raz, by pokazać przebieg.",
             "The robot, the map or the rules changed since the evaluation: evaluate again to show a run."});
    if (static_cast<std::uint64_t>(steps) > kHistoryBound)
        return say({"Ten przebieg ma ponad {1} kroków: za długi, by go pokazać.",
                    "This run has more than {1} steps: too long to show."},
                   {std::to_string(kHistoryBound)});
    return {};
}

std::uint64_t evaluatedRunStop(int steps) {
    return static_cast<std::uint64_t>(std::max(0, steps - kStepsBeforeEnd));
}

}  // namespace vemrik
