#pragma once

#include "platform/texts.h"

namespace vemrik {

/// The words of the file and run dialogs that both front ends show.
struct FileTexts {
    static constexpr Text seedTitle{"Ziarno losowania", "Random seed"};
    static constexpr Text seedPrompt{"Ziarno (liczba całkowita od 0 do 4294967295):",
                                     "Seed (a whole number from 0 to 4294967295):"};
    static constexpr Text notASeed{"„{1}” nie jest ziarnem: podaj liczbę całkowitą od 0 do 4294967295.",
                                   "“{1}” is not a seed: give a whole number from 0 to 4294967295."};
    static constexpr Text runFile{"przebieg.csv", "run.csv"};
    /// The kinds of file a run is saved as, in the order of CsvForm.
    static constexpr Text csvKinds{"Pliki CSV (*.csv);;Arkusz kalkulacyjny (*.csv);;Wszystkie pliki (*)",
                                   "CSV files (*.csv);;Spreadsheet (*.csv);;All files (*)"};
    static constexpr Text clearRecent{"&Wyczyść listę", "&Clear the list"};
    /// Asked before unsaved work would be dropped; "{1}" is the file's name.
    static constexpr Text saveChanges{"Zapisać zmiany?", "Save the changes?"};
    static constexpr Text notSaved{"Zmiany nie są zapisane.", "The changes are not saved."};
    static constexpr Text notSavedIn{"Zmiany w „{1}” nie są zapisane.",
                                     "The changes to “{1}” are not saved."};
    static constexpr Text yes{"Tak", "Yes"};
    static constexpr Text no{"Nie", "No"};
    /// A browser closes only the tabs its page opened itself.
    static constexpr Text closeTab{"Możesz teraz zamknąć kartę przeglądarki.",
                                   "You can now close the browser tab."};
};

}  // namespace vemrik
