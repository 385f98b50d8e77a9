#pragma once

#include "platform/texts.h"

namespace vemrik {

/// The words of "Wyzwania", the same in the window and the page.
struct ChallengeTexts {
    static constexpr Text title{"Wyzwanie", "Challenge"};
    static constexpr Text level{"Poziom {1}: {2}", "Level {1}: {2}"};
    static constexpr Text noLevel{"Najpierw otwórz poziom wyzwania.", "Open a challenge level first."};
    static constexpr Text noLevels{"W folderze „{1}” nie ma poziomów (plików .vemrik-task).",
                                   "The folder “{1}” holds no levels (.vemrik-task files)."};
    static constexpr Text badLevel{"Poziom „{1}”: {2}", "Level “{1}”: {2}"};
    static constexpr Text judging{"Sprawdzanie…", "Checking…"};
    static constexpr Text failedRuns{"Nieudane przebiegi:", "Failed runs:"};
    static constexpr Text hints{"Wskazówki:", "Hints:"};
    static constexpr Text otherTrack{"Ten przebieg jechał po innej trasie poziomu niż ta w formularzu.",
                                     "That run drove on another of the level’s tracks than the form’s."};
    static constexpr Text progressFilter{"Postępy wyzwań (*.vemrik-progress)",
                                         "Challenge progress (*.vemrik-progress)"};
    static constexpr Text progressName{"postepy.vemrik-progress", "progress.vemrik-progress"};
    static constexpr Text folderTitle{"Otwórz folder wyzwań", "Open challenges folder"};
};

}  // namespace vemrik
