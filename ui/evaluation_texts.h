#pragma once

#include <cstdint>
#include <string>

#include "engine/noise.h"
#include "platform/texts.h"

namespace vemrik {

/// The words of "Oceń algorytm" around the core's report, which the window and the page both show.
struct EvaluationTexts {
    static constexpr Text runs{"Liczba przebiegów:", "Number of runs:"};
    static constexpr Text maxSteps{"Limit kroków:", "Step limit:"};
    static constexpr Text firstSeed{"Ziarno pierwszego przebiegu:", "Seed of the first run:"};
    static constexpr Text seedNote{"Przebieg i dostaje ziarno: ziarno pierwszego + i.",
                                   "Run i gets the seed: the first seed + i."};
    static constexpr Text noise{"Zakłócenia", "Noise"};
    static constexpr Text flip{"Szansa odwrócenia odczytu czujnika:", "Chance a sensor reading flips:"};
    static constexpr Text shift{"Przesunięcie startu najwyżej o:", "Start shifted by at most:"};
    static constexpr Text turn{"Obrót startu najwyżej o:", "Start turned by at most:"};
    static constexpr Text noiseNote{
        "Zera: bez zakłóceń. Zakłócenia losuje ziarno przebiegu, więc przebieg się powtarza. Badanie "
        "odporności ocenia przy poziomach 0; 0,25; 0,5; 0,75 i 1 ustawionych zakłóceń, przy tych samych "
        "ziarnach.",
        "Zeros: no noise. The run’s seed draws the noise, so a run repeats. Testing robustness evaluates at "
        "the levels 0, 0.25, 0.5, 0.75 and 1 of the noise set, with the same seeds."};
    static constexpr Text sweep{"&Badaj odporność", "&Test robustness"};
    static constexpr Text needsNoise{"Badanie odporności potrzebuje zakłóceń: ustaw co najmniej jedno.",
                                     "Testing robustness needs noise: set at least one kind."};
    static constexpr Text evaluating{"Trwa ocena…", "Evaluating…"};
    static constexpr Text sweeping{"Trwa badanie odporności…", "Testing robustness…"};
    static constexpr Text cannotEvaluate{"Nie można ocenić: {1}.", "Cannot evaluate: {1}."};
    static constexpr Text failedRuns{"Przebiegi nieudane (zgubione lub bez stopu w limicie):",
                                     "Failed runs (lost or without a stop within the limit):"};
    static constexpr Text failedRunsName{"Przebiegi nieudane", "Failed runs"};
    static constexpr Text showRun{"&Pokaż przebieg", "&Show run"};
    static constexpr Text chartTitle{"Odporność na zakłócenia", "Robustness to noise"};
    static constexpr Text chartName{"Dojazd do stopu a poziom zakłóceń",
                                    "Reaching the stop against the noise level"};
    static constexpr Text chartLevel{"poziom zakłóceń (1 = ustawione)", "noise level (1 = as set)"};
    static constexpr Text chartShare{"dojazd do stopu, z przedziałem ufności 95 %",
                                     "reached the stop, with a 95 % confidence interval"};
};

/// Why "Badaj odporność" cannot start with `noise`: it has none to scale; empty when it can.
std::string sweepRefusal(const Noise& noise);

/// Why a failed run of `steps` steps cannot be shown in the form: the work changed since it was
/// judged, or the run is longer than the history keeps; empty when it can.
std::string evaluatedRunRefusal(bool workChanged, int steps);

/// The step a shown run of `steps` steps is held at: a few before its end, so its last steps can
/// be made with "Krok".
std::uint64_t evaluatedRunStop(int steps);

}  // namespace vemrik
