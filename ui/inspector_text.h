#pragma once

#include <string>

#include "platform/texts.h"
#include "ui/form.h"

namespace vemrik {

/// The rule inspector's words, so that every front end says the same.
struct InspectorTexts {
    static constexpr Text sensors{"Czujniki z ostatniego pomiaru (robot ma {1} z 8):",
                                  "Sensors at the last reading (the robot has {1} of 8):"};
    static constexpr Text pattern{"Wzorzec: ", "Pattern: "};
    static constexpr Text matchLine{"linia {1} (kąt {2}): {3}", "line {1} (angle {2}): {3}"};
    static constexpr Text noneMatch{" (żadna reguła nie pasuje)", " (no rule matches)"};
    static constexpr Text lastStep{"Ostatni krok: ", "Last step: "};
    static constexpr Text noStepYet{"jeszcze żadnego od „Start”", "none yet since “Start”"};
};

/// The rule inspector as text in the core's language: the sensors last sensed, the pattern, the
/// rules that match it and what they would do, the last step's rule; one line each.
std::string inspectorText(const TForm1& form);

}  // namespace vemrik
