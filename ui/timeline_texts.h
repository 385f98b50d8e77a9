#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/texts.h"
#include "simulation/run_timeline.h"

namespace vemrik {

/// The words of "Przebieg w czasie" beside its chart.
struct TimelineTexts {
    static constexpr Text title{"Przebieg w czasie", "Run timeline"};
    static constexpr Text fit{"Całość", "Whole run"};
    static constexpr Text fitTip{
        "Cały przebieg na szerokość wykresu (kółko myszy przybliża, przeciąganie przesuwa)",
        "The whole run across the chart (the mouse wheel zooms, dragging moves)"};
    static constexpr Text save{"Zapisz wykres…", "Save chart…"};
    static constexpr Text turns{"Licz obroty dalej niż 360°", "Count turns past 360°"};
    static constexpr Text turnsTip{"Kierunek bez powrotu do 0° po pełnym obrocie, np. −480°",
                                   "The heading not back at 0° after a whole turn, e.g. −480°"};
    static constexpr Text chartName{"Wykres przebiegu", "Run chart"};
    static constexpr Text fileName{"wykres", "chart"};
    static constexpr Text headingUnknown{"kierunek nieznany: plik robota go nie podaje",
                                         "heading unknown: the robot’s file does not give it"};
    static constexpr Text step{"krok", "step"};
    // A robot's log shown in place of the run.
    static constexpr Text showLog{"Pokaż na osi czasu", "Show on the timeline"};
    static constexpr Text showLogTip{"Kroki robota na wykresie „Przebieg w czasie” (menu „Symulacja”)",
                                     "The robot’s steps on the “Run timeline” chart (“Simulation” menu)"};
    static constexpr Text back{"Wróć do symulacji", "Back to the simulation"};
    static constexpr Text backTip{"Wykres znów pokazuje przebieg w oknie",
                                  "The chart shows the run in the window again"};
    static constexpr Text logSource{
        "Wykres pokazuje przebieg robota z pliku „{1}” (kroków: {2}), nie przebieg w oknie. "
        "„Start” albo „Wróć do symulacji” wraca do przebiegu w oknie.",
        "The chart shows the robot run from the file “{1}” (steps: {2}), not the run in the window. "
        "“Start” or “Back to the simulation” returns to the run in the window."};
    static constexpr Text lastShown{", na wykresie ostatnie {1}", ", the chart shows the last {1}"};
};

/// A row name left of the plot, over chart rows top .. top + height - 1.
struct TimelineRowName {
    int top = 0;
    int height = 0;
    std::string text;
};

/// The names of the chart's rows, in the core's language.
std::vector<TimelineRowName> timelineRowNames();

/// One swatch of the legend and its words.
struct LegendEntry {
    std::uint32_t colour = 0;
    std::string text;
};

/// The legend under the chart: the rule lines that acted (by line, with their texts from
/// `rules`), the marks, and how the sensors' green reads; in the core's language.
struct TimelineLegend {
    std::string rulesHeading;
    /// Empty while no line has acted; `noRule` says so.
    std::vector<LegendEntry> rules;
    std::string noRule;
    std::string marksHeading;
    std::vector<LegendEntry> marks;
    std::string sensors;
};

TimelineLegend timelineLegend(const RunTimeline& timeline, const std::vector<std::string>& rules);

}  // namespace vemrik
