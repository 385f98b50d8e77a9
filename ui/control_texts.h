#pragma once

#include <array>

#include "platform/texts.h"

namespace vemrik {

/// The notebook's tab titles, page by page.
inline constexpr std::array<Text, 4> kPageTitles = {{
    {"Robot", "Robot"},
    {"Mapa", "Map"},
    {"Algorytm", "Algorithm"},
    {"Symulacja", "Simulation"},
}};

/// The texts the front ends put on the layout's controls besides their captions: what the step
/// and start heading captions say, hints, and the names screen readers give the controls that
/// show no text.
struct ControlTexts {
    static constexpr Text stepOf{"Krok {1} z {2}", "Step {1} of {2}"};
    static constexpr Text noStep{"Krok: brak", "Step: none"};
    static constexpr Text startHeading{"kierunek startu: {1}°", "start heading: {1}°"};
    static constexpr Text headingValue{"{1}°", "{1}°"};
    static constexpr Text startHeadingTip{
        "Kierunek, w którym „Start” puści robota (suwak nad „Start”)",
        "The heading “Start” will release the robot in (the slider above “Start”)"};
    static constexpr Text frontTip{
        "Robot jedzie w stronę górnego brzegu planszy. Na mapie kierunek 0° to jazda do góry, 90° w prawo, "
        "-90° w lewo.",
        "The robot drives towards the top edge of the board. On the map, heading 0° drives up, 90° to the "
        "right, "
        "-90° to the left."};
    /// On the map's "Start" tool, so it is not taken for the run's "Start".
    static constexpr Text startCellTip{"pole startu", "start cell"};
    static constexpr Text sensorName{"Czujnik {1}", "Sensor {1}"};
    static constexpr Text ruleAngleName{"Kąt reguły", "Rule angle"};
    static constexpr Text headingName{"Kierunek startu", "Start heading"};
    static constexpr Text rulesName{"Reguły", "Rules"};
    static constexpr Text stepSliderName{"Krok przebiegu", "Run step"};
};

}  // namespace vemrik
