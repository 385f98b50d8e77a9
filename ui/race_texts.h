#pragma once

#include "platform/texts.h"

namespace vemrik {

/// The words of "Wyścig", the same in the window and the page.
struct RaceTexts {
    static constexpr Text title{"Wyścig", "Race"};
    static constexpr Text currentTrack{"&Tor obszaru roboczego", "&Workspace’s track"};
    static constexpr Text trackFile{"To&r z pliku…", "Track from a &file…"};
    static constexpr Text addRobots{"&Dodaj roboty…", "&Add robots…"};
    static constexpr Text dropHint{"Pliki robotów (2–6) można też upuścić tutaj.",
                                   "Robot files (2–6) can be dropped here too."};
    static constexpr Text remove{"&Usuń", "Re&move"};
    static constexpr Text start{"&Start", "&Start"};
    static constexpr Text pause{"P&auza", "&Pause"};
    static constexpr Text step{"&Krok", "S&tep"};
    static constexpr Text reset{"&Od nowa", "&Reset"};
    static constexpr Text showRun{"&Pokaż przebieg", "Show r&un"};
    static constexpr Text projector{"&Na projektor", "Pro&jector"};
    static constexpr Text leaveProjector{"Esc: powrót", "Esc: back"};
    static constexpr Text saveResults{"&Zapisz wyniki…", "Sa&ve results…"};
    static constexpr Text raceBest{"Ści&gaj najlepszych", "R&ace the best"};
    static constexpr Text speed{"Szybkość:", "Speed:"};
    static constexpr Text seed{"Ziarno: {1} (to samo dla wszystkich)", "Seed: {1} (the same for all)"};
    static constexpr Text track{"Tor: {1}", "Track: {1}"};
    static constexpr Text noTrack{"Tor: nie wybrano", "Track: none chosen"};
    static constexpr Text stepCount{"Krok {1}", "Step {1}"};
    static constexpr Text place{"Miejsce", "Place"};
    static constexpr Text robot{"Robot", "Robot"};
    static constexpr Text steps{"Kroki", "Steps"};
    static constexpr Text result{"Wynik", "Result"};
    static constexpr Text atStop{"stop", "stop"};
    static constexpr Text lost{"zgubił się", "lost"};
    static constexpr Text noStop{"bez stopu", "no stop"};
    static constexpr Text running{"jedzie", "running"};
    static constexpr Text replaceWork{
        "Obszar roboczy ma niezapisane zmiany. Zastąpić go przebiegiem z wyścigu?",
        "The workspace has unsaved changes. Replace it with the run from the race?"};
    static constexpr Text cannot{"Nie można: {1}.", "Cannot: {1}."};
    static constexpr Text csvFilter{"Pliki CSV (*.csv)", "CSV files (*.csv)"};
    static constexpr Text workspaceFilter{"Pliki Vemrik (*.vemrik)", "Vemrik files (*.vemrik)"};
    static constexpr Text csvName{"wyscig.csv", "race.csv"};
};

}  // namespace vemrik
