#pragma once

#include "platform/texts.h"

namespace vemrik {

/// The words of "Oceń klasę", the same in the window and the page.
struct GradingTexts {
    static constexpr Text title{"Ocena klasy", "Grading a class"};
    static constexpr Text task{"&Zadanie…", "&Task…"};
    /// The page's: it reads only the files chosen, so the tracks come with the task.
    static constexpr Text taskHint{"Wybierz plik zadania razem z plikami jego torów.",
                                   "Choose the task file together with its track files."};
    static constexpr Text folder{"&Folder uczniów…", "Students’ &folder…"};
    static constexpr Text files{"&Pliki uczniów…", "Students’ fi&les…"};
    static constexpr Text dropHint{"Pliki uczniów można też upuścić tutaj.",
                                   "Students’ files can be dropped here too."};
    static constexpr Text chosen{"Zadanie: {1}; uczniów: {2}", "Task: {1}; students: {2}"};
    static constexpr Text grade{"&Oceń", "&Grade"};
    static constexpr Text grading{"Ocenianie…", "Grading…"};
    static constexpr Text openReport{"Otwórz &raport", "Open the &report"};
    static constexpr Text saveHtml{"Zapisz raport &HTML…", "Save the &HTML report…"};
    static constexpr Text saveCsv{"Zapisz &CSV…", "Save the &CSV…"};
    static constexpr Text saveSheet{"Zapisz CSV dla &arkusza…", "Save the CSV for a &spreadsheet…"};
    static constexpr Text taskFilter{"Pliki zadań (*.vemrik-task)", "Task files (*.vemrik-task)"};
    static constexpr Text studentFilter{"Pliki Vemrik (*.vemrik)", "Vemrik files (*.vemrik)"};
    static constexpr Text htmlFilter{"Strony HTML (*.html)", "HTML pages (*.html)"};
    static constexpr Text csvFilter{"Pliki CSV (*.csv)", "CSV files (*.csv)"};
    static constexpr Text cannotSave{"Nie można zapisać pliku „{1}”: {2}", "Cannot save the file “{1}”: {2}"};
};

}  // namespace vemrik
